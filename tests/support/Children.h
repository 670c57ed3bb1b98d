#pragma once
// Finds a part of a view by the name the view gives it (its objectName),
// anywhere below it, so tests reach parts the view does not hand out.
#include <QObject>
#include <QString>

namespace sorbeta::test {

// The descendant of `parent` named `name` that is a T; null when there is none.
template <typename T = QObject>
T* child(const QObject* parent, const char* name) {
    for (QObject* found : parent->findChildren<QObject*>(QString::fromLatin1(name)))
        if (auto* typed = dynamic_cast<T*>(found)) return typed;
    return nullptr;
}

}  // namespace sorbeta::test
