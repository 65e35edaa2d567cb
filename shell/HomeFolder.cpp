#include "shell/HomeFolder.h"

CUserFolders ChooseHomeFolders(const std::u16string& strHomeOption, const CInstallLayout& layout) {
    return GetUserFolders(layout, strHomeOption);
}

bool PrepareHomeFolders(const CUserFolders& folders, const CInstallLayout& layout,
                        std::u16string& strError) {
    return !folders.bPerUser || PrepareUserFolders(folders, layout, u"Glossmere.ini", strError);
}
