// SettingsTuning.h: the settings store's tuning values seen through the rules' lookup view.
#pragma once

#include "engine/store/ksRegistry.h"
#include "game/rules/TuningLookup.h"

class SettingsTuning final : public TuningLookup {
public:
    explicit SettingsTuning(const ksRegistry& settings)
        : m_settings(settings) {}

    void getIntArray(const char* name, std::span<int32_t> values) const override {
        m_settings.getIntArray(name, values);
    }
    std::string getString(const char* name) const override { return m_settings.getString(name); }

private:
    const ksRegistry& m_settings;
};
