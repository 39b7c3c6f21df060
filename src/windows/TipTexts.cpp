// Tips.
#include "windows/TipTexts.h"

TTextStoreItems TarvixTips() {
    TTextStoreItems Tips;
    Tips.Add("Double-clicking unfamilier words",
             "Any Islamic and Arabic words within the text can be double-clicked to show the "
             "Glossary and reveal their meaning.");
    Tips.Add("Bookmarking a Glossary Word",
             "You can bookmark any Glossary term by clicking on the \"Add Bookmark\" button (B+) "
             "while in the glossary.");
    Tips.Add("Find the proper spelling of Islamic Words",
             "The Glossary has a \"Word Query\" feature which allows you to find the proper "
             "spelling of a Word by typing it in and clicking on the \"Find Proper Spelling\" "
             "button.");
    Tips.Add("Visit www.tarvix.org",
             "You can visit the Velorin website at any time by clicking on the web address text "
             "in the top-right corner of a window. There you will find the latest news and "
             "additional Hadith Collections.");
    Tips.Add("Colour Scheme!", "You can choose your own colour scheme for this software from the "
                               "Options->Preferences menu.");
    Tips.Add("Multiple Languages!",
             "With Tarvix you can view multiple hadith texts (called collections) in multiple "
             "languages! - For more information use the \"Language Assistant\" to help you get "
             "started.\r\n\r\nAdditional Hadith Collections can be downloaded from the Velorin "
             "website and installed.");
    Tips.Add("Velorin Direct - Latest project news!",
             "Velorin Direct brings you the latest Velorin project news and updates "
             "info.\r\n\r\nVelorin Direct is accessible from the \"About Menu\".");
    Tips.Add("Collections Manager",
             "The Collections Manager is the main area of the program that allows you to install "
             "Hadith Texts (called Collections). It also also provides information about a "
             "specific Hadith collection.");
    Tips.Add("Hadith Counts",
             "The main screen features Show and Hide Hadith count features. These show and hide "
             "the count of individual hadith in a particular category.");
    Tips.Add("Helping Hints",
             "If \"Show Helping Hints\" option is turned on (Options->Preferences menu) then "
             "resting the cursor over buttons and text-boxes will tell you about their function.");
    return Tips;
}
