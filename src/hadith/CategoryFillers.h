// Filling the main category tree and the category count list, and taking the
// count suffixes off again.
#pragma once

#include "controls/TreeAccess.h"
#include "data/TextUtils.h"
#include "hadith/CategoryHelper.h"

#include <string>

class THadithHelper;

// Node data of the main tree's fixed nodes.
enum : intptr_t { HadithCategoriesNodeData = -786, ViewByNumberNodeData = -9 };

// What the category count list needs of a list view: each added text is
// split at '|' into the caption and its sub-items.
class TCountListAccess {
public:
    virtual ~TCountListAccess() = default;
    virtual void Clear() = 0;
    virtual void AddCaption(const std::string& Text) = 0;
};

// Clears the tree and adds one top-level node per main document (titles in
// registry order, node data -(index + 1)), then "Hadith Categories" with
// "View Hadith by Number" and the category tree of Categories below it.
void FillMainTree(TTreeAccess& Tree, const TStringList& DocumentTitles,
                  const THadithCatHelper& Categories = HadithCatHelper);

// When the tree holds "Hadith Categories": every caption holding '[' is cut
// before it and trimmed, and its node data becomes 0.
void StripCategoryCounts(TTreeAccess& Tree);

// Takes "[...]" parts out of every Sep-separated item of Text.
std::string StripBracketed(const std::string& Text, const std::string& Sep);

// One list line per category count line of Collection; nothing after the
// clearing when there is no collection.
void FillCategoryCountList(const THadithHelper* Collection, TCountListAccess& ListView);
