#include "tests/support/ModalAnswers.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace testsupport {

namespace {

ModalSeen Describe(QWidget& modal) {
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) return {"Meldung", box->text().toStdString()};
    if (qobject_cast<QFileDialog*>(&modal)) return {"Dateiauswahl", modal.windowTitle().toStdString()};
    return {modal.objectName().toStdString(), modal.windowTitle().toStdString()};
}

}  // namespace

ModalAnswers::ModalAnswers(std::vector<ModalAnswer> answers) : answers_(std::move(answers)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(10);
}

void ModalAnswers::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == answered_) return;
    answered_ = modal;
    seen_.push_back(Describe(*modal));
    if (next_ >= answers_.size()) return;
    // Answered from a timer of its own, so that a dialog the answer opens is seen too.
    QTimer::singleShot(0, modal, [answer = answers_[next_++], target = QPointer<QWidget>(modal)] {
        if (target) answer(*target);
    });
}

ModalAnswer PressOk() {
    return [](QWidget& modal) {
        if (auto* box = qobject_cast<QMessageBox*>(&modal)) box->button(QMessageBox::Ok)->click();
    };
}

ModalAnswer ChooseFile(const std::string& path) {
    return [path](QWidget& modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(&modal)) {
            // Typed into the name field, as a user does: selectFile leaves a focused field alone.
            if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(QString::fromStdString(path));
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
        }
    };
}

ModalAnswer CancelDialog() {
    return [](QWidget& modal) {
        if (auto* dialog = qobject_cast<QDialog*>(&modal)) dialog->reject();
    };
}

ModalAnswer ClickButton(const char* name) {
    return [name](QWidget& modal) {
        if (auto* button = modal.findChild<QPushButton*>(name)) QTest::mouseClick(button, Qt::LeftButton);
    };
}

ModalAnswer PressReturn() {
    return [](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Return); };
}

ModalAnswer CloseWindow() {
    return [](QWidget& modal) { modal.close(); };
}

}  // namespace testsupport
