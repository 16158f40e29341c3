#include "navigation.h"

#include "workspace.h"

namespace app {

namespace {

Destination plain(const char *control, const char *screen)
{
    return {QString::fromLatin1(control), QString::fromLatin1(screen), {}};
}

Destination cropStore(const char *control, const char *crop)
{
    const QString table = QString::fromLatin1(crop) + QStringLiteral("_sklad");
    return {QString::fromLatin1(control), QStringLiteral("TForm45"),
            [table](Workspace &ws) { ws.cropStoreTable = table; }};
}

Destination cropForm(const char *control, const char *crop)
{
    const QString c = QString::fromLatin1(crop);
    return {QString::fromLatin1(control), QStringLiteral("TForm47"), [c](Workspace &ws) {
                ws.cropFormTable1 = ws.yearTable(QStringLiteral("form1_") + c);
                ws.cropFormTable2 = ws.yearTable(QStringLiteral("form2_") + c);
            }};
}

Destination hayStore(const char *control, const char *what, const char *size, const QString &title)
{
    const QString w = QString::fromLatin1(what), s = QString::fromLatin1(size);
    return {QString::fromLatin1(control), QStringLiteral("TForm50"), [=](Workspace &ws) {
                ws.hayStoreTable = w + QStringLiteral("_sklad_") + s;
                ws.hayMatchingIssue = w + QStringLiteral("_vydej_") + s;
                ws.hayTitle = title;
            }};
}

Destination hayIssue(const char *control, const char *what, const char *size, const QString &title)
{
    const QString table = QString::fromLatin1(what) + QStringLiteral("_vydej_") + QString::fromLatin1(size);
    return {QString::fromLatin1(control), QStringLiteral("TForm52"), [=](Workspace &ws) {
                ws.hayIssueTable = table;
                ws.hayTitle = title;
            }};
}

std::vector<Destination> build()
{
    return {
        plain("Button1", "TForm5"),
        plain("Button2", "TForm7"),
        plain("Button3", "TForm8"),
        plain("Button5", "TForm14"),
        plain("Button6", "TForm18"),
        plain("Button7", "TForm22"),
        plain("Button8", "TForm24"),
        plain("Button9", "TForm26"),
        plain("Button10", "TForm20"),
        plain("Button11", "TForm28"),
        plain("Button12", "TForm30"),
        plain("Button14", "TForm37"),
        plain("Button15", "TForm43"),
        plain("Button16", "TForm39"),
        plain("Button17", "TForm40"),
        cropStore("Button18", "psenice"),
        cropStore("Button19", "jecmen"),
        cropStore("Button20", "oves"),
        cropStore("Button21", "zito"),
        cropStore("Button22", "brambory"),
        cropForm("Button23", "psenice"),
        cropForm("Button24", "jecmen"),
        cropForm("Button25", "oves"),
        cropForm("Button26", "zito"),
        cropForm("Button27", "brambory"),
        hayStore("Button29", "seno", "male", QStringLiteral("Seno - sklad - malé")),
        hayStore("Button30", "seno", "velke", QStringLiteral("Seno - sklad - velké")),
        hayStore("Button33", "slama", "male", QStringLiteral("Sláma - sklad - malé")),
        hayStore("Button34", "slama", "velke", QStringLiteral("Sláma - sklad - velké")),
        hayIssue("Button31", "seno", "male", QStringLiteral("Seno - výdej - malé")),
        hayIssue("Button32", "seno", "velke", QStringLiteral("Seno - výdej - velké")),
        hayIssue("Button35", "slama", "male", QStringLiteral("Sláma - výdej - malé")),
        hayIssue("Button36", "slama", "velke", QStringLiteral("Sláma - výdej - velké")),
        plain("Button28", "TForm54"),
        plain("Button37", "TForm56"),
        plain("Button38", "TForm58"),
        plain("Button40", "TForm61"),
        plain("MenuAbout", "TForm2"),
        plain("MenuNapoveda", "TForm32"),
        plain("MenuOAplikaci", "TForm65"),
        plain("MenuPopisSekci", "TForm66"),
    };
}

} // namespace

const std::vector<Destination> &navigation()
{
    static const std::vector<Destination> table = build();
    return table;
}

} // namespace app
