#pragma once

#include <QCoreApplication>
#include <QTest>
#include <cstring>
#include <functional>
#include <vector>

// Several QtTest classes in one executable per component: each file registers its class, main runs them all.
// "tst_x ClassName [QtTest options]" runs one class only.
namespace testsupport {

struct Entry {
    const char *name;
    std::function<int(int, char **)> run;
};

inline std::vector<Entry> &registry()
{
    static std::vector<Entry> tests;
    return tests;
}

template <class T> struct Register {
    explicit Register(const char *name)
    {
        registry().push_back({name, [](int argc, char **argv) {
                                  T test;
                                  return QTest::qExec(&test, argc, argv);
                              }});
    }
};

inline int runAll(int argc, char **argv)
{
    if (argc > 1)
        for (const Entry &e : registry())
            if (std::strcmp(argv[1], e.name) == 0) {
                argv[1] = argv[0];
                return e.run(argc - 1, argv + 1);
            }
    int failed = 0;
    for (const Entry &e : registry())
        failed += e.run(argc, argv) != 0;
    return failed;
}

} // namespace testsupport

#define VELMORA_REGISTER_TEST(Class) static testsupport::Register<Class> register_##Class(#Class);

#define VELMORA_TEST_MAIN(AppClass)                                                                          \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        AppClass app(argc, argv);                                                                            \
        return testsupport::runAll(argc, argv);                                                              \
    }
