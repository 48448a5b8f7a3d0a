#include "framework/ui/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "framework/core/FileType.h"
#include "framework/ui/FileListLocale.h"
#include "framework/ui/QtText.h"

namespace fw {

namespace {

const QString kEveryFile = QStringLiteral("Alle Dateien (*)");

// "Name (*.a *.b)" for a registered type; a type without extensions offers every file,
// and says so in German rather than by its type name.
QString FileFilter(const String& fileTypeName) {
    for (const auto& type : RegisteredFileTypes()) {
        if (!(type.name == fileTypeName)) continue;
        QStringList patterns;
        for (const QString& extension : ToQString(type.extensions).split(';', Qt::SkipEmptyParts)) {
            patterns << QStringLiteral("*") + (extension.startsWith('.') ? extension : '.' + extension);
        }
        if (patterns.isEmpty()) return kEveryFile;
        return ToQString(type.name) + " (" + patterns.join(' ') + ")";
    }
    return kEveryFile;
}

}  // namespace

std::shared_ptr<FolderItem> GetOpenFolderItem(const String& fileTypeName) {
    // Qt's own dialog, so that it speaks German like the rest of the interface.
    QFileDialog dialog(QApplication::activeWindow(), QString(), QString(), FileFilter(fileTypeName));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setProxyModel(new FileListLocale(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return nullptr;
    return std::make_shared<FolderItem>(FromQString(dialog.selectedFiles().constFirst()));
}

void ShowMessageBox(const String& text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), ToQString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace fw
