#include "pageset.h"

#include "advancedpage.h"
#include "closeguard.h"
#include "detectornamespage.h"
#include "detectorspage.h"
#include "displayband.h"
#include "firstframe.h"
#include "firststartpage.h"
#include "mainpage.h"
#include "remotecontrolspage.h"
#include "sendquestions.h"
#include "smscentrepage.h"
#include "systemparameterspage.h"
#include "testmessagespage.h"
#include "usernamespage.h"
#include "usernumberspage.h"

#include <QTimer>

namespace velmora {

PageSet::PageSet(ErrorBox& errors, std::optional<Sending> sending, RegisterAccess* units)
{
    // The main page comes first, although its choices open pages made after it: they are looked up only
    // when chosen, as is the IKU code, which the configuration pages read at the moment they compose.
    form1_ = std::make_unique<TForm1>(
        TForm1::Choices{[this] { form13_->showModally(); }, [this] { form12_->showModally(); }});
    const IkuSource iku = [this] { return ikuCode(); };
    QWidget* owner = form1_.get();
    handoff_.emplace(owner, errors, sending, units);
    askBeforeClosing(owner, [this] { return handoff_->mayClose(); });
    if (sending && units != nullptr) {
        registerWindows_.emplace(owner, *units, errors, sending->questions, *handoff_);
    }
    form2_ = new TForm2(iku, errors, owner);
    form3_ = new TForm3(iku, errors, owner);
    form4_ = new TForm4(iku, errors, owner);
    form5_ = new TForm5(iku, errors, owner);
    form6_ = new TForm6(iku, errors, owner);
    form7_ = new TForm7(iku, errors, owner);
    form8_ = new TForm8(iku, errors, owner);
    form11_ = new Tform11(iku, errors, owner);
    UnitsHandoff* unitsHandoff = registerWindows_ ? &*registerWindows_ : nullptr;
    form12_ = new TForm12(errors, {form2_, form3_, form8_, form4_, form5_, form7_, form11_, form6_}, &*handoff_,
                          unitsHandoff, owner);
    form13_ = new TForm13(errors, &*handoff_, unitsHandoff, owner);

    for (Page* page : owner->findChildren<Page*>(Qt::FindDirectChildrenOnly)) {
        QObject::connect(page, &Page::built, page, [this, page] { shareHandoff(*page); });
    }

    // The main page's two choices first, then the configuration pages in the order of their entries.
    pagesToPrepare_ = {form13_, form12_, form2_, form3_, form8_, form4_, form5_, form7_, form11_, form6_};
    afterFirstFrame(owner, [this] { prepareNext(); });
}

PageSet::~PageSet() = default;

// The windows are made with the first page that shows commands.
void PageSet::shareHandoff(const Page& page)
{
    const QList<DisplayBand*> bands = page.findChildren<DisplayBand*>();
    if (bands.isEmpty()) {
        return;
    }
    handoff_->makeWindows();
    for (DisplayBand* band : bands) {
        band->setHandoff(&*handoff_);
    }
}

// One step of one page per turn of the event loop, so that the user's clicks and keys are never kept waiting for
// more.
void PageSet::prepareNext()
{
    if (allPrepared()) {
        return;
    }
    if (pagesToPrepare_[prepared_]->prepareStep()) {
        ++prepared_;
    }
    QTimer::singleShot(0, form1_.get(), [this] { prepareNext(); });
}

std::string PageSet::ikuCode() const
{
    return form12_->ikuCode();
}

} // namespace velmora
