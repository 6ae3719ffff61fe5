#include "platform/KitScript.h"

namespace cssbinder {

KitScriptRun EndedKitScript(bool crashed, int exitCode, std::string errors) {
    const auto end = errors.find_last_not_of(" \t\r\n");
    errors.erase(end == std::string::npos ? 0 : end + 1);
    errors.erase(0, errors.find_first_not_of(" \t\r\n"));
    if (crashed) {
        return {KitScriptRun::Outcome::Failed, errors.empty() ? "the kit crashed" : errors};
    }
    if (exitCode != 0) {
        return {KitScriptRun::Outcome::Failed,
                errors.empty() ? "exit code " + std::to_string(exitCode) : errors};
    }
    return {KitScriptRun::Outcome::Finished, errors};
}

} // namespace cssbinder
