#pragma once

#include <QCoreApplication>
#include <QTest>
#include <functional>
#include <vector>

// Several QtTest classes in one executable per component: each file registers its class, main runs them all.
namespace testsupport {

inline std::vector<std::function<int(int, char **)>> &registry()
{
    static std::vector<std::function<int(int, char **)>> tests;
    return tests;
}

template <class T> struct Register {
    Register()
    {
        registry().push_back([](int argc, char **argv) {
            T test;
            return QTest::qExec(&test, argc, argv);
        });
    }
};

inline int runAll(int argc, char **argv)
{
    int failed = 0;
    for (auto &run : registry())
        failed += run(argc, argv) != 0;
    return failed;
}

} // namespace testsupport

#define VELMORA_REGISTER_TEST(Class) static testsupport::Register<Class> register_##Class;

#define VELMORA_TEST_MAIN(AppClass)                                                                          \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        AppClass app(argc, argv);                                                                            \
        return testsupport::runAll(argc, argv);                                                              \
    }
