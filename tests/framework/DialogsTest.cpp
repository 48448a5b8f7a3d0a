#include "framework/ui/Dialogs.h"

#include <QFileDialog>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>
#include <sys/time.h>

#include <cstdlib>
#include <ctime>
#include <fstream>

#include "framework/core/FileType.h"
#include "framework/ui/Lifecycle.h"
#include "tests/support/ModalAnswers.h"
#include "tests/support/ScopedHome.h"

namespace {

// Qt reads the machine's locale once, when the program starts: this one is not German,
// so that a file list in the machine's locale shows.
const bool kMachineInEnglish = [] {
    setenv("LC_ALL", "C.UTF-8", 1);
    setenv("LANG", "C.UTF-8", 1);
    return true;
}();

// The filters the open-file dialog offers for a type name, one after the other; the
// dialog is cancelled.
std::string FiltersOffered(const fw::String& typeName) {
    QStringList filters;
    testsupport::ModalAnswers answers({[&filters](QWidget& modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(&modal)) filters = dialog->nameFilters();
        testsupport::CancelDialog()(modal);
    }});
    EXPECT_EQ(fw::GetOpenFolderItem(typeName), nullptr);
    return filters.join(" | ").toStdString();
}

std::shared_ptr<fw::FileType> Registered(const char* name, const char* extensions) {
    auto type = std::make_shared<fw::FileType>();
    type->SetName(name);
    type->SetExtensions(extensions);
    type->Operator_Convert();
    return type;
}

TEST(GetOpenFolderItem, OffersTheFilesOfTheRegisteredType) {
    const auto any = Registered("special/any", "");
    const auto text = Registered("Text", "txt;.csv");
    EXPECT_EQ(FiltersOffered("special/any"), "Alle Dateien (*)");
    EXPECT_EQ(FiltersOffered("Text"), "Text (*.txt *.csv)");
    EXPECT_EQ(FiltersOffered("unbekannt"), "Alle Dateien (*)");
}

// The texts of the row of `name` in the view's folder after its name; empty while the
// row is not there.
QStringList RowAfterName(const QTreeView& view, const QString& name) {
    const QAbstractItemModel& files = *view.model();
    const QModelIndex folder = view.rootIndex();
    QStringList texts;
    for (int row = 0; row < files.rowCount(folder); ++row) {
        if (files.index(row, 0, folder).data().toString() != name) continue;
        for (int column = 1; column < files.columnCount(folder); ++column) {
            texts << files.index(row, column, folder).data().toString();
        }
    }
    return texts;
}

// What the dialog's detail view shows for the file `name` in `folder`; the dialog is
// cancelled.
QStringList Listed(const std::filesystem::path& folder, const QString& name) {
    QStringList texts;
    testsupport::ModalAnswers answers({[&](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        if (auto* view = dialog ? dialog->findChild<QTreeView*>() : nullptr) {
            dialog->setDirectory(QString::fromStdString(folder.string()));
            // The model reads the folder in the background; a timeout leaves `texts` empty.
            static_cast<void>(QTest::qWaitFor([&] {
                texts = RowAfterName(*view, name);
                return !texts.isEmpty();
            }));
        }
        testsupport::CancelDialog()(modal);
    }});
    fw::GetOpenFolderItem("unbekannt");
    return texts;
}

void SetModified(const std::filesystem::path& file, std::tm local) {
    local.tm_isdst = -1;
    const timeval times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
    ASSERT_EQ(utimes(file.c_str(), times), 0);
}

// The framework's start-up makes the interface German; the file list follows it, not the
// machine's locale.
TEST(GetOpenFolderItem, ListsSizesAndDatesInGermanOnAnyLocale) {
    ASSERT_EQ(QLocale::system().formattedDataSize(2890), "2.82 KiB");
    testsupport::ScopedHome home;
    const auto file = home.Path() / "export.xml";
    {
        std::ofstream(file) << std::string(2890, 'x');
    }
    SetModified(file, {.tm_min = 3, .tm_hour = 14, .tm_mday = 10, .tm_mon = 11, .tm_year = 126});
    fw::RuntimeInit();
    const QStringList texts = Listed(home.Path(), "export.xml");
    fw::RuntimeExit();
    ASSERT_EQ(texts.size(), 3);  // size, type, date
    EXPECT_EQ(texts[0].toStdString(), "2,82 KiB");
    EXPECT_EQ(texts[2].toStdString(), "10.12.26 14:03");
}

}  // namespace
