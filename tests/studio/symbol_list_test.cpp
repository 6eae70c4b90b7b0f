// The list of symbologies: every type once under its family, and the filter by name or alias.
#include "symbol_list.h"

#include <QLineEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quillmark::studio {
namespace {

TEST(SymbolList, HoldsEveryTypeOnceUnderItsFamily) {
    const TSymbolList list;
    const QTreeWidget& tree = *list.Tree();
    ASSERT_EQ(tree.topLevelItemCount(), BarFamilyCount);
    std::vector<int> seen(BarTypeCount, 0);
    for (int family = 0; family < BarFamilyCount; ++family) {
        const QTreeWidgetItem* group = tree.topLevelItem(family);
        EXPECT_EQ(group->text(0).toStdString(), BarFamilyName(static_cast<TBarFamily>(family)));
        EXPECT_GT(group->childCount(), 0) << group->text(0).toStdString();
        for (int i = 0; i < group->childCount(); ++i) {
            const auto type = static_cast<TBarType>(group->child(i)->data(0, Qt::UserRole).toInt());
            EXPECT_EQ(BarTypeData(type).Family, family) << BarTypeName(type);
            EXPECT_EQ(group->child(i)->text(0).toStdString(), BarTypeData(type).Label);
            ++seen[type];
        }
    }
    for (int type = 0; type < BarTypeCount; ++type)
        EXPECT_EQ(seen[type], 1) << BarTypeName(static_cast<TBarType>(type));
}

TEST(SymbolList, FilterFindsATypeByNameOrAlias) {
    const struct {
        const char* Filter;
        TBarType Found;
    } cases[] = {
        {"rss14", bcCodeDataBar},
        {"gtin14", bcCodeITF14},
        {"bookland", bcCodeISBN},
        {"dmtx", bcCodeDataMatrix},
        {"I25", bcCode_2_5_interleaved},
        {"code-39", bcCode39},
        {"Digital Link", bcCodeGS1DigitalLinkQR},
        {"postnet", bcCodePostNet},
    };
    TSymbolList list;
    for (const auto& [filter, found] : cases) {
        list.Filter()->setText(QString::fromLatin1(filter));
        const std::vector<TBarType> shown = list.Shown();
        EXPECT_NE(std::find(shown.begin(), shown.end(), found), shown.end()) << filter;
        EXPECT_LT(shown.size(), static_cast<std::size_t>(BarTypeCount)) << filter;
    }
    list.Filter()->setText(QStringLiteral("no such symbology"));
    EXPECT_TRUE(list.Shown().empty());
    list.Filter()->clear();
    EXPECT_EQ(list.Shown().size(), static_cast<std::size_t>(BarTypeCount));
}

TEST(SymbolList, ReturnInTheFilterChoosesTheTypeNamedElseTheFirstLeft) {
    const struct {
        const char* Typed;
        TBarType Chosen;
    } cases[] = {
        {"upce1", bcCodeUPC_E1},
        // "gs1128" is GS1-128's alias, and a part of EAN-128 A's "gs1128a" listed above it.
        {"gs1128", bcCodeGS1_128},
        {"GS1-128", bcCodeGS1_128},
        {"ean128", bcCodeEAN128B},
        {"gs112", bcCodeEAN128A},
    };
    for (const auto& [typed, expected] : cases) {
        TSymbolList list;
        std::vector<TBarType> chosen;
        QObject::connect(&list, &TSymbolList::TypeChosen,
                         [&chosen](TBarType Type) { chosen.push_back(Type); });
        list.Filter()->setText(QString::fromLatin1(typed));
        emit list.Filter()->returnPressed();
        ASSERT_EQ(chosen.size(), 1u) << typed;
        EXPECT_EQ(chosen.front(), expected) << typed;
        EXPECT_EQ(list.Current(), expected) << typed;
    }
}

} // namespace
} // namespace quillmark::studio
