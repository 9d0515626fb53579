#pragma once
// Finds a window's control by its object name, as the tests reach every control.
#include <gtest/gtest.h>

#include <QObject>
#include <QString>

namespace quarrant {

template <class T>
T* Child(const QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

}  // namespace quarrant
