#pragma once

#include "handoffwindows.h"
#include "registerwindows.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class ErrorBox;
class Page;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class Tform11;
class TForm12;
class TForm13;

// Every page of the program, made once and in a fixed order; the main page owns the others, so they live
// until it is destroyed. Pages reach each other only through what this wiring hands them. Without `sending`
// the pages offer no sending; the units window needs both `sending` and `units`. Once the main page's first frame is
// on the screen, the other pages are prepared one step at a time in idle moments, so that none has to make its controls
// or its first frame's buffer when the user first opens it.
class PageSet {
public:
    explicit PageSet(ErrorBox& errors, std::optional<Sending> sending = std::nullopt, RegisterAccess* units = nullptr);
    ~PageSet();
    PageSet(const PageSet&) = delete;
    PageSet& operator=(const PageSet&) = delete;

    TForm1& mainPage() const { return *form1_; }

    // Every page has been prepared.
    bool allPrepared() const { return prepared_ == pagesToPrepare_.size(); }

private:
    std::string ikuCode() const;
    void shareHandoff(const Page& page);
    void prepareNext();

    std::unique_ptr<TForm1> form1_;
    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TForm5* form5_ = nullptr;
    TForm6* form6_ = nullptr;
    TForm7* form7_ = nullptr;
    TForm8* form8_ = nullptr;
    Tform11* form11_ = nullptr;
    TForm12* form12_ = nullptr;
    TForm13* form13_ = nullptr;
    std::optional<HandoffWindows> handoff_;
    std::optional<RegisterWindows> registerWindows_;
    std::vector<Page*> pagesToPrepare_; // in the order the user is likely to open them
    std::size_t prepared_ = 0;
};

} // namespace velmora
