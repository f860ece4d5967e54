#pragma once

#include <QWidget>
class QLineEdit;

namespace velmora {

class ErrorBox;

// Where the unit's IKU code is typed, on each page that holds it: the red, underlined request to type the code
// from the sealed envelope, then the field with "KOD IKU" beside it. The field's guard keeps the code to four
// digits on every change of its text, typed or set by code; so setting the field's text counts as typing it, and
// every handler connected to its textChanged runs.
class IkuField final : public QWidget {
    Q_OBJECT

public:
    struct Names {
        const char* field;
        const char* label;   // "KOD IKU"'s, if it has one
        const char* request; // the request's, if it stands on one line and has one
    };
    // Font sizes; a text size of 0 keeps the page's.
    struct Pixels {
        int field;
        int text; // the request's and the label's
    };
    // Where the page is narrow, the request stands on two lines.
    enum class Request { OneLine, TwoLines };

    IkuField(const Names& names, Pixels pixels, Request request, ErrorBox& errors, QWidget* parent = nullptr);

    QLineEdit* field() const { return field_; }

private:
    QLineEdit* field_;
};

} // namespace velmora
