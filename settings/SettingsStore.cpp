#include "settings/SettingsStore.h"

#include "unit/Error.h"

namespace tarnwick {

void WriteSettingOrThrow(SettingsKey* key, const std::string& name, const std::string& value) {
    if (key == nullptr || !key->WriteString(name, value))
        throw Error("Failed to set data for '" + name + "'");
}

}  // namespace tarnwick
