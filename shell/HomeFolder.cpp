#include "shell/HomeFolder.h"

std::u16string ChooseHomeFolder(const std::u16string& strHomeOption,
                                const std::u16string& strProgramFolder) {
    return strHomeOption.empty() ? strProgramFolder : strHomeOption;
}
