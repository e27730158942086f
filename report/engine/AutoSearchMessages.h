#pragma once

// The numbers of the language strings of search criteria in words and of the
// search dialog (identifier 43000 + n). The operator words follow
// TppSearchOperatorType: the six comparisons of dates and times from
// TimeWords, of other types from AmountWords, the others from LikeWords.
namespace AutoSearchMessage {
enum : int {
    ShowAllDataWhereThe = 1300, // "Show all data where the"
    AndThe = 1301,              // "and the"
    HasAnyValue = 1302,         // "has any value."
    TimeWords = 1303,           // "is", "is not", "is before" ... "is on or after"
    AmountWords = 1309,         // "is equal to", "is not equal to" ... "is greater than or equal to"
    LikeWords = 1315,           // "begins with" ... "is not blank"
    Caption = 1323,             // "Search"
    MandatoryLegend = 1324,     // "indicates that this search value must be entered."
    ShowAllValues = 1325,       // "Show all values of the <name> field."
    And = 1326,                 // "and", between two values
    AddToList = 1327,           // "Add to list"
    RemoveFromList = 1328,      // "Remove from list"
    NotBoolean = 1329,          // "Value must be either True or False."
    NotDate = 1330,             // "is not a valid date."
    NotTime = 1331,             // "is not a valid time."
    NotDateTime = 1332,         // "is not a valid datetime."
    NotNumber = 1333,           // "is not a valid number."
    ValueNeeded = 1334,         // "Search value must be entered."
};
} // namespace AutoSearchMessage
