#include "controls/TreeHelpers.h"

#include "data/TextUtils.h"

namespace {

void Collect(const TTreeAccess& Tree, TTreeNodeRef Parent, std::vector<TTreeNodeRef>& Out) {
    const int Count = Tree.ChildCount(Parent);
    for (int i = 0; i < Count; ++i) {
        TTreeNodeRef Node = Tree.Child(Parent, i);
        Out.push_back(Node);
        Collect(Tree, Node, Out);
    }
}

bool Matches(const std::string& Caption, const std::string& Text, bool Exact) {
    return Exact ? Caption == Text : SameTextTrim(Caption, Text);
}

} // namespace

std::vector<TTreeNodeRef> FlatNodes(const TTreeAccess& Tree) {
    std::vector<TTreeNodeRef> Out;
    Collect(Tree, nullptr, Out);
    return Out;
}

int FlatIndexOf(const TTreeAccess& Tree, TTreeNodeRef Node) {
    const auto Nodes = FlatNodes(Tree);
    for (size_t i = 0; i < Nodes.size(); ++i)
        if (Nodes[i] == Node)
            return static_cast<int>(i);
    return -1;
}

TTreeNodeRef NodeAtFlatIndex(const TTreeAccess& Tree, int Index) {
    const auto Nodes = FlatNodes(Tree);
    if (Index < 0 || Index >= static_cast<int>(Nodes.size()))
        return nullptr;
    return Nodes[static_cast<size_t>(Index)];
}

int NodeLevel(const TTreeAccess& Tree, TTreeNodeRef Node) {
    int Level = -1;
    for (TTreeNodeRef N = Node; N; N = Tree.ParentOf(N))
        ++Level;
    return Level;
}

int FindNodeByText(const TTreeAccess& Tree, const std::string& Text, bool Exact) {
    const auto Nodes = FlatNodes(Tree);
    for (size_t i = 0; i < Nodes.size(); ++i)
        if (Matches(Tree.Caption(Nodes[i]), Text, Exact))
            return static_cast<int>(i);
    return -1;
}

int FindNodeAtLevel(const TTreeAccess& Tree, const std::string& Text, bool Exact, int Level) {
    const auto Nodes = FlatNodes(Tree);
    for (size_t i = 0; i < Nodes.size(); ++i)
        if (NodeLevel(Tree, Nodes[i]) == Level && Matches(Tree.Caption(Nodes[i]), Text, Exact))
            return static_cast<int>(i);
    return -1;
}

int FindNodeByData(const TTreeAccess& Tree, intptr_t Data) {
    const auto Nodes = FlatNodes(Tree);
    for (size_t i = 0; i < Nodes.size(); ++i)
        if (Tree.Data(Nodes[i]) == Data)
            return static_cast<int>(i);
    return -1;
}

std::string GetNodePath(const TTreeAccess& Tree, TTreeNodeRef Node, const std::string& Separator) {
    std::string Path;
    for (TTreeNodeRef N = Node; N; N = Tree.ParentOf(N)) {
        const std::string Part = TrimText(Tree.Caption(N));
        Path = Path.empty() ? Part : Part + Separator + Path;
    }
    return Path;
}

// For each part of the path: the first node at the current depth whose
// caption matches must exist, else the walk stops. Then, among that node and
// every node after it in flat order, the last one that matches and is a child
// of the current node becomes the current node, one level deeper; when there
// is none the part is passed over at the same depth.
int PathMatchDepth(const TTreeAccess& Tree, const std::string& Path, const std::string& Separator,
                   TTreeNodeRef* LastNode, std::vector<TTreeNodeRef>* Walked) {
    const auto Nodes = FlatNodes(Tree);
    const TStringList Parts = SplitText(Path, Separator);
    TTreeNodeRef Current = nullptr;
    int Depth = 0;
    for (const std::string& Part : Parts) {
        int First = -1;
        for (size_t i = 0; i < Nodes.size(); ++i) {
            if (NodeLevel(Tree, Nodes[i]) == Depth && SameTextTrim(Tree.Caption(Nodes[i]), Part)) {
                First = static_cast<int>(i);
                break;
            }
        }
        if (First < 0) {
            if (LastNode)
                *LastNode = Current;
            return Depth;
        }
        TTreeNodeRef Found = nullptr;
        for (size_t i = static_cast<size_t>(First); i < Nodes.size(); ++i)
            if (Tree.ParentOf(Nodes[i]) == Current && SameTextTrim(Tree.Caption(Nodes[i]), Part))
                Found = Nodes[i];
        if (Found) {
            Current = Found;
            ++Depth;
            if (Walked)
                Walked->push_back(Found);
        }
    }
    if (LastNode)
        *LastNode = Current;
    return -1;
}

TTreeNodeRef FindNodeByPath(const TTreeAccess& Tree, const std::string& Path,
                            const std::string& Separator) {
    TTreeNodeRef Last = nullptr;
    if (PathMatchDepth(Tree, Path, Separator, &Last) != -1)
        return nullptr;
    return Last;
}

bool SelectNodePath(const TTreeAccess& Tree, const std::string& Path, const std::string& Separator,
                    std::vector<TTreeNodeRef>& Walked) {
    Walked.clear();
    return PathMatchDepth(Tree, Path, Separator, nullptr, &Walked) == -1;
}
