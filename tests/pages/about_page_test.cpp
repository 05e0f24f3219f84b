// The about page's version text and placeholder.
#include "pages/about_page.h"

#include <QTest>

using namespace selenar;

class AboutPageTest : public QObject {
  Q_OBJECT

 private slots:
  void aboutPageVersion() {
    QCOMPARE(VersionText(1, 3, 46), QString("1.3.46"));
    QCOMPARE(VersionText(1, 2, 5), QString("1.2.05"));
    QCOMPARE(AboutPageText("v X.X.XX and X.X.XX", "1.3.46"), QByteArray("v 1.3.46 and X.X.XX"));
    QCOMPARE(AboutPageText("no placeholder", "1.3.46"), QByteArray("no placeholder"));
  }
};

QTEST_MAIN(AboutPageTest)
#include "about_page_test.moc"
