// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The resources built into the program, read as bytes by numeric id. Behind an interface so that
// tests can hand out any bytes, or none.

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>

namespace platform {

class ResourceStore {
public:
    virtual ~ResourceStore() = default;
    // The bytes of resource id, or nothing when the program carries no such resource.
    virtual std::optional<QByteArray> bytes(int id) const = 0;
};

// Resources compiled in with Qt's resource system, resource id at the path "<prefix>/<id>"
// (prefix such as ":/texts").
class QtResourceStore final : public ResourceStore {
public:
    explicit QtResourceStore(QString prefix) : prefix_(std::move(prefix)) {}
    std::optional<QByteArray> bytes(int id) const override;

private:
    QString prefix_;
};

} // namespace platform
