#include "framework/ui/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "framework/core/FileType.h"
#include "framework/ui/QtText.h"

namespace fw {

namespace {

// "Name (*.a *.b)" for a registered type; a type without extensions offers every file.
QString FileFilter(const String& fileTypeName) {
    for (const auto& type : RegisteredFileTypes()) {
        if (!(type.name == fileTypeName)) continue;
        QStringList patterns;
        for (const QString& extension : ToQString(type.extensions).split(';', Qt::SkipEmptyParts)) {
            patterns << QStringLiteral("*") + (extension.startsWith('.') ? extension : '.' + extension);
        }
        if (patterns.isEmpty()) patterns << QStringLiteral("*");
        return ToQString(type.name) + " (" + patterns.join(' ') + ")";
    }
    return QStringLiteral("*");
}

}  // namespace

std::shared_ptr<FolderItem> GetOpenFolderItem(const String& fileTypeName) {
    // Qt's own dialog, so that it speaks German like the rest of the interface.
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                                      FileFilter(fileTypeName), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) return nullptr;
    return std::make_shared<FolderItem>(FromQString(path));
}

void ShowMessageBox(const String& text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), ToQString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace fw
