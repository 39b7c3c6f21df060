// Tree helpers: finding nodes by caption, data or path, and node paths.
// "Flat order" is the order of every node of the tree, parents before their
// children, as a tree view numbers its items.
#pragma once

#include "controls/TreeAccess.h"

#include <string>
#include <vector>

std::vector<TTreeNodeRef> FlatNodes(const TTreeAccess& Tree);
int FlatIndexOf(const TTreeAccess& Tree, TTreeNodeRef Node);
TTreeNodeRef NodeAtFlatIndex(const TTreeAccess& Tree, int Index);
int NodeLevel(const TTreeAccess& Tree, TTreeNodeRef Node);

int FindNodeByText(const TTreeAccess& Tree, const std::string& Text, bool Exact);
int FindNodeAtLevel(const TTreeAccess& Tree, const std::string& Text, bool Exact, int Level);
int FindNodeByData(const TTreeAccess& Tree, intptr_t Data);
std::string GetNodePath(const TTreeAccess& Tree, TTreeNodeRef Node, const std::string& Separator);

// Walks Path down the tree (see the .cpp). Visit, when given, is called for
// every node that becomes the current node (SelectNodePath expands them).
int PathMatchDepth(const TTreeAccess& Tree, const std::string& Path, const std::string& Separator,
                   TTreeNodeRef* LastNode = nullptr, std::vector<TTreeNodeRef>* Walked = nullptr);
TTreeNodeRef FindNodeByPath(const TTreeAccess& Tree, const std::string& Path,
                            const std::string& Separator);
// True when every part was walked; Walked receives the nodes to expand, the
// last of which is to be selected.
bool SelectNodePath(const TTreeAccess& Tree, const std::string& Path, const std::string& Separator,
                    std::vector<TTreeNodeRef>& Walked);
