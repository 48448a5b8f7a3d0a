#pragma once

#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace testsupport {

// What a modal dialog or window showed when it came up.
struct ModalSeen {
    std::string kind;  // "Meldung", "Dateiauswahl", or the window's class name
    std::string text;  // the message, or the window's title
};

using ModalAnswer = std::function<void(QWidget& modal)>;

// Answers the modal dialogs and windows that come up, one answer each, in order, and
// keeps what each showed. The answers run from the event loop, never inside a check.
class ModalAnswers {
public:
    explicit ModalAnswers(std::vector<ModalAnswer> answers = {});
    void Add(ModalAnswer answer) { answers_.push_back(std::move(answer)); }

    const std::vector<ModalSeen>& Seen() const { return seen_; }

private:
    void Poll();

    std::vector<ModalAnswer> answers_;
    std::size_t next_ = 0;
    std::vector<ModalSeen> seen_;
    QPointer<QWidget> answered_;
    QTimer timer_;
};

// Answers for the kinds of modal the application shows.
ModalAnswer PressOk();                          // a message box
ModalAnswer ChooseFile(const std::string& path);  // the open-file dialog
ModalAnswer CancelDialog();                     // the open-file dialog
ModalAnswer ClickButton(const char* name);      // a window's push button
ModalAnswer PressReturn();                      // a window's default button
ModalAnswer CloseWindow();                      // a window's close box

}  // namespace testsupport
