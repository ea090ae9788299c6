// The test classes of the desktop program; each .cpp registers its class here.
#pragma once

#include <QObject>
#include <vector>

namespace shelltest {

std::vector<QObject*>& allTests();

// A static Register<T> puts a test object of class T into the list.
template <typename T> struct Register {
    Register() { allTests().push_back(&test); }
    T test;
};

} // namespace shelltest
