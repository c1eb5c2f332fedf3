#include "completion/ui/LstRows.h"

#include <QListWidget>
#include <QTest>

namespace tarnwick {

using Lists = std::vector<std::vector<std::string>>;

class LstRowsTest : public QObject {
    Q_OBJECT
private slots:
    // After each list the widget holds exactly its rows, in order, with their icons, nothing chosen.
    void listAfterList_data() {
        QTest::addColumn<Lists>("lists");
        QTest::newRow("the design's items give way") << Lists{{"Add"}};
        QTest::newRow("shorter, then longer again") << Lists{{"Add", "Item", "Keys"}, {"Count"}, {"Add", "Item", "Keys"}};
        QTest::newRow("as long, other rows") << Lists{{"Add", "Item"}, {"Exists", "Remove"}};
    }
    void listAfterList() {
        QFETCH(Lists, lists);
        QListWidget list;
        list.addItems({"Function 1", "Function 2"});
        LstRows rows(&list);
        const LstRows::Icons icons = {QIcon(QPixmap(1, 1)), QIcon(QPixmap(2, 2))};
        for (const std::vector<std::string>& names : lists) {
            std::vector<CompletionRow> shown;
            for (const std::string& name : names) shown.push_back({name, RowIcon(shown.size() % 2)});
            list.setCurrentRow(0);
            rows.Show(std::make_shared<const std::vector<CompletionRow>>(shown), icons, TextEncoding::Ansi);
            QCOMPARE(list.count(), int(names.size()));
            QCOMPARE(list.currentRow(), -1);
            for (int i = 0; i < list.count(); ++i) {
                QCOMPARE(list.item(i)->text().toStdString(), names[std::size_t(i)]);
                QCOMPARE(list.item(i)->icon().cacheKey(), icons[std::size_t(i % 2)].cacheKey());
            }
        }
    }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::LstRowsTest)
#include "LstRowsTest.moc"
