// Classification codes and the metadata fragments of the hadith page.
#include "hadith/Classification.h"

#include "data/TextFormats.h"
#include "data/TextUtils.h"
#include "hadith/HadithHelper.h"

const std::array<TClassificationRow, 21> ClassificationTable = {{
    {"RA_QDSI", "Qudsi", "Sacred", "&#1602;&#1583;&#1587;&#1609;"},
    {"RA_MRFU", "Marfu", "Elevated", ""},
    {"RA_MQUF", "Mauquf", "Stopped", ""},
    {"RA_MAQT", "Maqtu", "Severed", ""},
    {"LI_MUSN", "Musnad", "Supported", ""},
    {"LI_MRSL", "Mursal", "Hurried", ""},
    {"LI_MTSL", "Muttasil", "Continuous", ""},
    {"LI_MQTI", "Munqati", "Broken", ""},
    {"LI_MDAL", "Mu'dal", "Perplexing", ""},
    {"LI_MALQ", "Mu'allaq", "Hanging", ""},
    {"NR_MTWT", "Mutawatir", "Consecutive", ""},
    {"NR_AHMS", "Ahad Mash'hur", "Famous", ""},
    {"NR_AHAZ", "Ahad Aziz", "Rare", ""},
    {"NR_AHGH", "Gharib", "Scarce, Strange", ""},
    {"NT_ZITH", "Ziadatu Thiqah", "Addition by Reliable Reporter", ""},
    {"NT_MUNK", "Munkar", "Denounced", ""},
    {"NT_MDRJ", "Mudraj", "Interpolated", ""},
    {"RR_SHIH", "Sahih", "Sound", ""},
    {"RR_HASN", "Hasan", "Hasan", ""},
    {"RR_DAIF", "Da'if", "Weak", ""},
    {"RR_MAUD", "Maudu", "Fabricated, Forged", ""},
}};

std::string ClassificationText(const std::string& Code, int Form) {
    if (Code.empty())
        return "Unclassified";
    for (const TClassificationRow& Row : ClassificationTable) {
        if (std::string(Row.Code).find(Code) == std::string::npos)
            continue;
        switch (Form) {
        case 0:
            return Row.Name;
        case 1:
            return Row.Meaning;
        case 2:
            return std::string(Row.Name) + "[" + Row.Meaning + "]";
        case 3:
            return Row.ArabicName;
        default:
            return Row.Code;
        }
    }
    return "Unclassified";
}

bool IsClassificationCode(const std::string& Text) {
    for (const TClassificationRow& Row : ClassificationTable)
        if (SameTextTrim(Text, Row.Code))
            return true;
    return false;
}

std::string ClassificationHtml(const THadithHelper& Collection, int N,
                               const std::string& HtmlColour) {
    std::string Html;
    TStringList Codes = SplitCommaList(Collection.GetClassification(N));
    for (size_t i = 0; i < Codes.size(); ++i) {
        if (i > 0)
            Html += ", ";
        Html += "<A HREF=\"" + Codes[i] + "\"><FONT COLOR=\"" + HtmlColour + "\">" +
                ClassificationText(Codes[i], 0) + "</FONT></A>";
    }
    return Html;
}

std::string InformationHtml(const THadithHelper& Collection, int N) {
    std::string Info = Collection.GetInformation(N);
    if (Info == Collection.Information().DefaultText())
        return Info;
    Info = ReplaceAll(Info, "<BP>", "<BR>*");
    if (Collection.TextFormat() == tfNCR)
        Info = Collection.FontTag() + Info + "</FONT>";
    return Info;
}
