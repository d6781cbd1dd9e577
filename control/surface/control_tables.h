#pragma once

#include "tolvar_control.h"

#include <span>

namespace tolvar {

// The property table: every property with its dispatch identifier, name, read, store
// and side effect (control_properties.cpp).
struct ControlProperties {
    struct Entry {
        platform::DispId id;
        const char *name;
        QVariant (*get)(TolvarControl &);
        // Stores the value only: what reading the property bag does.
        void (*store)(TolvarControl &, const QVariant &);
        // What a write does besides storing; nullptr for nothing.
        void (*effect)(TolvarControl &) = nullptr;
        // The stored value where a read computes something else; nullptr when a read
        // gives the stored value.
        QVariant (*stored)(TolvarControl &) = nullptr;
    };

    static std::span<const Entry> table();
    static const Entry *find(platform::DispId id);
    static const Entry *find(const QString &name);
};

// The method table: every method with its dispatch identifier, name and argument count
// (control_methods.cpp).
struct ControlMethods {
    struct Entry {
        platform::DispId id;
        const char *name;
        int argumentCount;
        QVariant (*call)(TolvarControl &, QVariantList &);
    };

    static std::span<const Entry> table();
    static const Entry *find(platform::DispId id);
};

} // namespace tolvar
