// The text search over one hadith collection.
#include "search/HadithSearch.h"

#include "app/Shell.h"
#include "data/TextUtils.h"
#include "hadith/HadithHelper.h"
#include "scripture/VerseTags.h"

std::string PreparedSearchText(const THadithHelper& Collection, int N) {
    return ExpandVerseTags(Collection.GetHadithText(N));
}

int SearchHadith(const THadithHelper& Collection, int N, const std::string& SearchText,
                 bool CaseSensitive, bool WholeWord) {
    if (SearchText.empty())
        return -1;
    return FindTextFrom(SearchText, PreparedSearchText(Collection, N), 0, CaseSensitive, WholeWord);
}

std::vector<int> RunHadithSearch(const THadithHelper& Collection, bool ScanAll,
                                 const TSearchOptionsProvider& Options,
                                 const std::function<void(int)>& OnHit) {
    std::vector<int> Hits;
    if (!ScanAll || !Options)
        return Hits;
    const int Count = Collection.HadithCount();
    for (int N = 1; N <= Count; ++N) {
        Shell().ProcessEvents();
        const TSearchOptions Now = Options();
        if (SearchHadith(Collection, N, Now.SearchText, Now.CaseSensitive, Now.WholeWord) != -1) {
            Hits.push_back(N);
            if (OnHit)
                OnHit(N);
        }
    }
    return Hits;
}

std::string SearchResultCaption(int N) {
    return "Hadith # " + std::to_string(N);
}

bool ReportNeedsConfirmation(int ResultCount) {
    return ResultCount >= LargeReportResults;
}

const char* const LargeReportHeading = "More than 1000 Results!";
const char* const LargeReportText =
    "The search report contains more than 1000 Ahadith, it may take a minute or two to generate "
    "depending on the speed of your computer\r\n\r\nDo you want to continue?";

const char* const MissingCollectionHeading = "Language/Translation not installed!";

std::string MissingCollectionText(const std::string& ViewKey) {
    return "This search bookmark was performed on the following translation:\r\n\r\n" + ViewKey +
           "\r\n\r\nSince this translation is not installed, the Default English one will be "
           "used. - Your search may yield different\r\n(if not any) results!\r\n\r\nIf you wish "
           "to rectify this problem, install the translation mentioned above.";
}

int IndexOfViewKey(const std::vector<std::string>& Keys, const std::string& ViewKey) {
    const std::string Wanted = UpperCaseAscii(ViewKey);
    for (size_t I = 0; I < Keys.size(); ++I)
        if (UpperCaseAscii(Keys[I]) == Wanted)
            return static_cast<int>(I);
    return -1;
}
