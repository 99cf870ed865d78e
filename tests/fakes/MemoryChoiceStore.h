#pragma once
// Remembered choices kept in memory: what was saved last, and how often.

#include "platform/ChoiceStore.h"

namespace fakes {

class MemoryChoiceStore final : public platform::ChoiceStore {
public:
    platform::RememberedChoices load() const override { return saved; }
    void save(const platform::RememberedChoices& choices) override {
        saved = choices;
        ++saves;
    }
    platform::RememberedChoices saved;
    int saves = 0;
};

} // namespace fakes
