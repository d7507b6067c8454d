// The colour scheme painted over a tree of named controls: a name held twice
// colours the control QObject::findChild finds, and controls placed after a
// painting are found by the next one.
#include <QTest>
#include <QWidget>

#include "mainwindow/colour_scheme.h"
#include "mainwindow/ui/scheme_painter.h"
#include "platform/ui/qt_bridge.h"

using namespace lumidex;

class SchemePainterTest : public QObject {
  Q_OBJECT

 private slots:
  void theControlFindChildFindsIsColouredAndLaterOnesByTheNextPainting() {
    const ColourScheme& scheme = ColourSchemeFor(1);
    const QColor light = ToQColor(scheme.light);
    QWidget root;
    auto* box = new QWidget(&root);
    auto* deep = new QWidget(box);
    deep->setObjectName(QStringLiteral("StatusBar1"));
    // A later child of the root, yet nearer to it: the one findChild gives.
    auto* near = new QWidget(&root);
    near->setObjectName(QStringLiteral("StatusBar1"));
    PaintSchemeColours(&root, scheme);
    QCOMPARE(root.findChild<QWidget*>(QStringLiteral("StatusBar1")), near);
    QCOMPARE(near->palette().color(QPalette::WindowText), light);
    QVERIFY(deep->palette().color(QPalette::WindowText) != light);

    auto* placed = new QWidget(box);
    placed->setObjectName(QStringLiteral("NamePanel"));
    QVERIFY(placed->palette().color(QPalette::WindowText) != light);
    PaintSchemeColours(&root, scheme);
    QCOMPARE(placed->palette().color(QPalette::WindowText), light);
  }
};

QTEST_MAIN(SchemePainterTest)
#include "scheme_painter_test.moc"
