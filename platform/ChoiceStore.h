// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The choices the calendar remembers between runs: the grid's font, the enlarged window and
// whether the report window shows. Behind an interface so that tests keep them in memory.

#include <QString>
#include <optional>

namespace platform {

struct RememberedChoices {
    std::optional<QString> fontFamily; // nothing: the default face
    bool enlarged = false;
    bool reportShown = true;
    friend bool operator==(const RememberedChoices&, const RememberedChoices&) = default;
};

class ChoiceStore {
public:
    virtual ~ChoiceStore() = default;
    // What was saved last; the defaults when nothing was, or when it cannot be read.
    virtual RememberedChoices load() const = 0;
    virtual void save(const RememberedChoices& choices) = 0;
};

// An INI file, by default kesparo/kesparo.conf in the user's configuration folder
// ($XDG_CONFIG_HOME, ~/.config). The file is the user's to edit, so it is read with care: one
// that is not a regular file, is larger than 64 KiB or does not parse counts as no file; a value
// that is not what its key needs is left at its default. Saving replaces a file that does not
// parse, but leaves anything that is not a regular file of up to 64 KiB as it is.
class SettingsFileChoiceStore final : public ChoiceStore {
public:
    explicit SettingsFileChoiceStore(QString path);
    RememberedChoices load() const override;
    void save(const RememberedChoices& choices) override;

    // The file the program uses.
    static QString defaultPath();

private:
    QString path_;
};

// The process-wide store at the default path.
ChoiceStore& userChoiceStore();

} // namespace platform
