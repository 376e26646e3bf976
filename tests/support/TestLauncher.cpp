#include "TestLauncher.h"

namespace testing_support {

TestLauncher::TestLauncher(const std::string& nameHint, platform::PathStyle style)
    : folder(nameHint),
      context(folder.path(),
              Seams{dialogs, processes, http, random, clock,
                    [this](int milliseconds) { waits.push_back(milliseconds); }, [] {}},
              style) {
    context.hooks.endProcess = [this] { ended = true; };
    // The windows' tests serve the mirror layout; an official-source test chooses it itself.
    context.services.source = DownloadSourceKind::Mirror;
}

}  // namespace testing_support
