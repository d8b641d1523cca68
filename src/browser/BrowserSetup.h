#pragma once

#include "browser/Repository.h"
#include "platform/BrowserComponent.h"
#include "platform/BrowserEngine.h"
#include "platform/DownloadFolder.h"

namespace zv {

// What the download browser is given besides its window context: where the repository is,
// where downloads go, and how its browser is made. The program uses the configured repository,
// the user's download folder and the engine module; tests give their own.
struct BrowserSetup {
    QString repositoryBase = RepositoryBase();
    DownloadFolder downloads;
    BrowserMaker makeBrowser = MakeEngineBrowser;
};

} // namespace zv
