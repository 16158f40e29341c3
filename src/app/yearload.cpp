#include "yearload.h"

#include "appcontext.h"
#include "dialogs.h"
#include "store/catalogue.h"
#include "store/database.h"
#include "store/error.h"
#include "store/installation.h"
#include "workspace.h"

namespace app {

bool isValidYear(const QString &text)
{
    if (text.size() != 4)
        return false;
    qsizetype i = (text[0] == u'+' || text[0] == u'-') ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    return true;
}

QString createdMessage(const QString &year)
{
    return QStringLiteral("Jedna, čí více databází pro rok ") + year +
           QStringLiteral(" neexistovali a tak byli vytvořeny");
}

YearLoadResult loadYear(AppContext &ctx, QWidget *parent, const QString &text)
{
    if (!isValidYear(text)) {
        ctx.dialogs.errorBox(
            parent, QStringLiteral(
                        "Nebyl zadán korektní rok (rok musí vypadat např. takto: 2003) - pokuste se znovu"));
        return {};
    }
    Workspace &ws = ctx.workspace;
    ws.workingYear = text;

    bool created = false;
    for (const QString &base : store::yearScopedBases()) {
        const QString target = base + text + QStringLiteral(".db");
        try {
            // Opening the table file tells a usable table from a missing or broken one without reading its
            // rows: a year of records need not be read to know it is there.
            ctx.db.table(target);
            continue;
        } catch (const store::Error &e) {
            if (e.kind() != store::Error::Kind::MissingFile) {
                // The file is there but unusable (damaged, locked): copying the empty template over it would
                // destroy whatever it holds. Say so and leave it alone.
                ctx.dialogs.errorBox(parent, e.message());
                continue;
            }
        }
        try {
            created |= store::copyTableFile(ws.dataDir, base + QStringLiteral(".db"), target);
        } catch (const store::Error &) {
            ctx.dialogs.errorBox(parent, QStringLiteral("nepodařilo se založit databázi ") + target);
        }
    }
    return {true, created};
}

} // namespace app
