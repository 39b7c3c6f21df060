// Small collections for the hadith tests, built with the collection writer.
#pragma once

#include "data/TextUtils.h"
#include "hadith/CollectionWriter.h"

#include <string>

// Three hadiths: 1 with a chain, 2 quoting scripture, 3 with neither; tables
// with a category for 1 and 2 only, classifications and information.
inline TCollectionSource SampleCollection() {
    TCollectionSource S;
    S.ID = "Dorrel_Anvesh";
    S.Name = "Dorrel and Anvesh (English)";
    S.TextFormat = "PLAIN";
    S.WordHighlight = true;
    S.Font = "FACE=\"Traditional Arabic\" SIZE=\"5\"";
    S.Translator = "A. Translator";
    S.Description = "A sample collection";
    S.Align = "JUSTIFY";
    S.Records = {
        {"Narrated by A from B", "The first hadith."},
        {"", "See <<QVERSE:2:255>> here."},
        {"", "Third."},
    };
    S.Categories = {{1, "Prayer"}, {2, "Fasting"}};
    S.Classes = {{1, "RR_SHIH,LI_MUSN"}, {3, "RR_DAIF"}};
    S.Information = {{1, "Reported<BP>twice"}, {2, "  "}};
    return S;
}

// The file text of plain lines, each changed by Edit first.
template <typename TEdit>
std::string EditedCollection(const TCollectionSource& Source, TEdit Edit) {
    TStringList Lines = CollectionPlainLines(Source);
    Edit(Lines);
    return EncipherCollectionLines(Lines);
}
