#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>

class QWidget;

namespace app {

class Screen;
struct AppContext;

// The screens the main menu can open, by window class ("TForm22"). Each section registers its own at start,
// so the shell never includes a higher layer; a class not registered yet opens nothing.
class ScreenRegistry {
public:
    using Factory = std::function<Screen *(AppContext &, QWidget *parent)>;

    void add(const QString &className, Factory factory) { m_factories[className] = std::move(factory); }
    bool has(const QString &className) const { return m_factories.count(className) != 0; }
    Screen *create(const QString &className, AppContext &ctx, QWidget *parent) const
    {
        const auto it = m_factories.find(className);
        return it == m_factories.end() ? nullptr : it->second(ctx, parent);
    }
    QStringList classNames() const
    {
        QStringList names;
        for (const auto &entry : m_factories)
            names << entry.first;
        return names;
    }

private:
    std::map<QString, Factory> m_factories;
};

} // namespace app
