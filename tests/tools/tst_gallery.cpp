#include "app/placement.h"
#include "app/screenregistry.h"
#include "sections.h"
#include "support/testmain.h"

#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

class GalleryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every screen, as the gallery opens it over the sample farm, has a client area of at most 1240 × 640
    // logical pixels. The gallery renders at scale 1, so a picture's pixels are logical pixels; a window
    // class without a picture would escape the check, so the main menu and every registered class must have
    // one.
    void everyScreenFitsALaptop()
    {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const char *scaling :
             {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_SCALE_FACTOR_ROUNDING_POLICY"})
            env.remove(QString::fromLatin1(scaling));
        QProcess gallery;
        gallery.setProcessEnvironment(env);
        gallery.start(QStringLiteral(VELMORA_GALLERY), {out.path()});
        QVERIFY(gallery.waitForFinished(120000));
        QVERIFY2(gallery.exitStatus() == QProcess::NormalExit && gallery.exitCode() == 0,
                 gallery.readAllStandardError().constData());

        app::ScreenRegistry screens;
        registerAllSections(screens);
        QStringList missing, tooLarge;
        for (const QString &screen : QStringList{QStringLiteral("TForm1")} + screens.classNames()) {
            const QSize size = QImageReader(out.filePath(screen + QStringLiteral(".png"))).size();
            if (!size.isValid())
                missing << screen;
            else if (size.width() > app::kMaxClientSize.width() ||
                     size.height() > app::kMaxClientSize.height())
                tooLarge << QStringLiteral("%1 %2 × %3").arg(screen).arg(size.width()).arg(size.height());
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no picture: ") + missing.join(u", ")));
        const QString limit = QStringLiteral("larger than %1 × %2: ")
                                  .arg(app::kMaxClientSize.width())
                                  .arg(app::kMaxClientSize.height());
        QVERIFY2(tooLarge.isEmpty(), qPrintable(limit + tooLarge.join(u", ")));
    }
};

VELMORA_REGISTER_TEST(GalleryTest)
VELMORA_TEST_MAIN(QCoreApplication)
#include "tst_gallery.moc"
