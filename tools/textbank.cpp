#include "textbank.h"

#include <QHash>

namespace sample {

QList<PassageItem> englishPassages();
QList<PassageItem> moreEnglishPassages();
QList<PassageItem> chinesePassages();

const QList<PassageItem> &passageItems()
{
    static const QList<PassageItem> items = englishPassages() + moreEnglishPassages() +
                                            chinesePassages();
    return items;
}

QStringList slotValues(const QString &slot)
{
    static const QHash<QString, QStringList> values = {
        {"city",
         {"Harbor City", "Port Alden", "Westmere", "Lindenfield", "Carrow Bay", "Eastbrook"}},
        {"town", {"Millbrook", "Ashford Vale", "Redcliff", "Stonehaven"}},
        {"country", {"Veldra", "Norland", "Castavia", "Orsenia"}},
        {"firm", {"Lanford Logistics", "Brightwell Media", "Kestrel Systems", "Orchid Streaming"}},
        {"name",
         {"Dr. Amara Okafor", "Professor Lin Wei", "Dr. Helena Voss", "Dr. Rafael Ortiz",
          "Professor Chen Yuhan", "Dr. Ingrid Solberg"}},
        {"painter", {"Margit Ansel", "Tomas Revel", "Elise Varga"}},
        {"island", {"Calder", "Merrow", "Tessaly"}},
        {"year", {"1974", "1983", "1991", "2006"}},
        {"river", {"Aven", "Lisk", "Tarrow"}},
        {"institute", {"Northfield Institute of Technology", "Coastal Energy Laboratory"}},
        {"zcity", {"临江市", "青川市", "南屿市", "东原市"}},
        {"zfirm", {"星河公司", "远帆科技", "禾丰食品公司"}},
        {"zname", {"王立新教授", "陈静研究员", "刘海峰博士", "赵敏教授"}},
    };
    return values.value(slot);
}

} // namespace sample
