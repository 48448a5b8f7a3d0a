#include "app/FileTypes.h"

namespace FileTypes {

std::shared_ptr<fw::FileType> pSpecialAny;

void _Initialize() {
    pSpecialAny = fw::RuntimeCheckCast<fw::FileType>(fw::RuntimeNewObject(fw::FileType::Lookup()));
    fw::Checked(pSpecialAny).SetName("special/any");
    fw::Checked(pSpecialAny).SetExtensions("");
    fw::Checked(pSpecialAny).SetMacType("????");
    fw::Checked(pSpecialAny).SetMacCreator("????");
    fw::Checked(pSpecialAny).Operator_Convert();
}

}  // namespace FileTypes
