#include "platform/kit/KitScript.h"

namespace cssbinder {

KitScriptRun KitScriptOutcome(KitScriptEnd end, int exitCode, std::string errors) {
    errors.erase(errors.find_last_not_of(" \t\r\n") + 1);
    errors.erase(0, errors.find_first_not_of(" \t\r\n"));
    switch (end) {
    case KitScriptEnd::Stopped:
        return {KitScriptRun::Outcome::TimedOut, errors};
    case KitScriptEnd::Crashed:
        return {KitScriptRun::Outcome::Failed, errors.empty() ? "the kit crashed" : errors};
    case KitScriptEnd::Exited:
        break;
    }
    if (exitCode != 0) {
        return {KitScriptRun::Outcome::Failed,
                errors.empty() ? "exit code " + std::to_string(exitCode) : errors};
    }
    return {KitScriptRun::Outcome::Finished, errors};
}

} // namespace cssbinder
