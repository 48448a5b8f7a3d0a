#include "framework/ui/Dialogs.h"

#include <QFileDialog>
#include <gtest/gtest.h>

#include "framework/core/FileType.h"
#include "tests/support/ModalAnswers.h"

namespace {

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

}  // namespace
