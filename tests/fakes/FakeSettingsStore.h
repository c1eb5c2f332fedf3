#pragma once

#include "settings/SettingsStore.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tarnwick::fakes {

// A settings key held in memory. `writable = false` makes every write fail;
// `keyExists = false` makes the key read as absent. Each open is counted.
class FakeSettingsStore : public SettingsStore {
public:
    std::map<std::string, std::string> values;
    bool keyExists = true;
    bool writable = true;
    int readOpens = 0;
    int writeOpens = 0;
    std::vector<std::string> reads;   // value names in the order read
    std::vector<std::string> writes;  // value names in the order written

    std::unique_ptr<SettingsKey> OpenReadOnly() override {
        ++readOpens;
        return std::make_unique<Key>(*this, false);
    }
    std::unique_ptr<SettingsKey> OpenForWriting() override {
        ++writeOpens;
        return std::make_unique<Key>(*this, true);
    }

private:
    class Key : public SettingsKey {
    public:
        Key(FakeSettingsStore& store, bool forWriting) : store_(store), forWriting_(forWriting) {}
        std::optional<std::string> ReadString(const std::string& name) const override {
            store_.reads.push_back(name);
            if (!store_.keyExists) return std::nullopt;
            auto it = store_.values.find(name);
            if (it == store_.values.end()) return std::nullopt;
            return it->second;
        }
        bool WriteString(const std::string& name, const std::string& value) override {
            if (!forWriting_ || !store_.writable) return false;
            store_.writes.push_back(name);
            store_.values[name] = value;
            store_.keyExists = true;
            return true;
        }

    private:
        FakeSettingsStore& store_;
        bool forWriting_;
    };
};

}  // namespace tarnwick::fakes
