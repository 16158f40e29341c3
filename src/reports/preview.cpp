#include "preview.h"

#include "render.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace reports {

namespace {

QString suggestedPdfName(const QString &title)
{
    QString name = title;
    for (QChar &c : name)
        if (c == u'/' || c == u'\\' || c == u':')
            c = u'-';
    return QDir::home().filePath(name.trimmed().isEmpty() ? QStringLiteral("sestava.pdf")
                                                          : name + QStringLiteral(".pdf"));
}

} // namespace

void showPreview(QWidget *parent, const QString &title, const std::vector<Page> &pages)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, title);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("Preview"));
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages](QPrinter *target) { render(pages, *target); });

    if (auto *toolbar = dialog.findChild<QToolBar *>()) {
        toolbar->addSeparator();
        QAction *pdf = toolbar->addAction(QStringLiteral("Uložit jako PDF"));
        pdf->setObjectName(QStringLiteral("SavePdf"));
        QObject::connect(pdf, &QAction::triggered, &dialog, [&] {
            QString path = QFileDialog::getSaveFileName(&dialog, QStringLiteral("Uložit jako PDF"),
                                                        suggestedPdfName(title),
                                                        QStringLiteral("Dokumenty PDF (*.pdf)"));
            if (path.isEmpty())
                return;
            if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
                path += QLatin1String(".pdf");
            QString error;
            if (!writePdf(pages, path, title, &error))
                QMessageBox::critical(&dialog, QStringLiteral("Chyba"),
                                      QStringLiteral("Soubor %1 se nepodařilo uložit: %2").arg(path, error));
        });
    }
    dialog.resize(900, 1000);
    dialog.exec();
}

} // namespace reports
