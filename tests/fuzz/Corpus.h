#pragma once

#include <string>
#include <vector>

#include "core/Games.h"

// Inputs that once broke a reader or came close, kept as regression cases and as seeds of the mutations.
namespace quintara::fuzz {

struct CsvCase {
    Game game;
    std::string csv;
    std::string error;  // the whole error message, or "" when the CSV imports
};

inline const std::string kLottoHeader =
    "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,extra,ball_set,machine";
inline const std::string kThunderballHeader =
    "draw_date,ball1,ball2,ball3,ball4,ball5,extra,ball_set,machine";
inline const std::string kExtraHeader = "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,ball_set,machine";
inline const std::string kDailyHeader =
    "draw_date,ball1,ball2,ball3,ball4,ball5,ball6,ball7,ball_set,machine";

inline const std::vector<CsvCase> kCsvCorpus{
    // Sound files of each game, in the forms spreadsheets write.
    // The operator's results files, a quoted raffle list and its draw count past the machine.
    {Game::Lotto59,
     "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Machine,Raffles,DrawNumber\r\n"
     "13-Jun-2026,41,5,59,12,23,52,7,8,Arthur,\"JRZN35120,LRSP53791\",3140\r\n",
     ""},
    {Game::Thunderball39,
     "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunderball,Ball Set,Machine,DrawNumber\n"
     "12-Jun-2026,39,2,3,4,1,14,T6,Excalibur 7,3500\n",
     ""},
    {Game::Lotto,
     kLottoHeader + "\n2015-10-07,30,7,44,11,49,5,25,4,Guinevere\n2015-10-03,14,44,8,9,35,7,4,1,Arthur\n",
     ""},
    {Game::Thunderball,
     "\xEF\xBB\xBF" + kThunderballHeader + "\r\n2010-05-08,5,6,7,8,10,12,3,Excalibur 5\r\n", ""},
    {Game::LottoExtra, kExtraHeader + "\n01/02/2005,1,2,3,4,5,6,AB,\"Mer,lin\"\n", ""},
    {Game::DailyPlay, kDailyHeader + "\n2005-02-03,27,26,25,24,23,22,21,S2,\"say \"\"hi\"\"\"\n", ""},
    {Game::Lotto, kLottoHeader + "\n2015-10-07,30,7,44,11,49,5,25,4,M\u00E9rlin\n", ""},
    {Game::Thunderball, kThunderballHeader + "\n2010-05-08,5,6,7,8,10,12,3,\"\tTab\"\n",
     "line 2: machine holds the control character U+0009"},
    {Game::Lotto, kLottoHeader + "\n2015-10-07,30,7,44,11,49,5,25,A,Arthur\n", ""},  // a lettered ball set
    // Text that does not fit, and characters a history file cannot hold.
    {Game::Thunderball, kThunderballHeader + "\n2010-05-08,5,6,7,8,10,12,3,Excalibur 10\n",
     "line 2: machine \"Excalibur 10\" is 12 characters long; a Thunderball machine holds at most 11"},
    {Game::LottoExtra, kExtraHeader + "\n2005-02-01,1,2,3,4,5,6,12345,Arthur\n",
     "line 2: ball_set \"12345\" is 5 characters long; a Lotto Extra ball_set holds at most 4"},
    {Game::Lotto, kLottoHeader + "\n2015-10-07,30,7,44,11,49,5,25,4,M\xE9rlin\n",
     "line 2: machine holds bytes that are not UTF-8 text"},
    {Game::Lotto, kLottoHeader + "\n2015-10-07,30,7,44,11,49,5,25,4,\u0141ancelot\n",
     "line 2: machine holds the character \"\u0141\" (U+0141), which Windows-1252 cannot hold"},
    // Damage a history file can hold, as rows.
    {Game::Lotto, kLottoHeader + "\n2015-10-07,0,7,44,11,49,5,25,4,Arthur\n",
     "line 2: ball1 \"0\" is not a number from 1 to 49"},
    {Game::Lotto, kLottoHeader + "\n2015-10-07,-1,7,44,11,49,5,25,4,Arthur\n",
     "line 2: ball1 \"-1\" is not a number from 1 to 49"},
    {Game::Lotto, kLottoHeader + "\n2015-10-07,32767,7,44,11,49,5,25,4,Arthur\n",
     "line 2: ball1 \"32767\" is not a number from 1 to 49"},
    {Game::Lotto, kLottoHeader + "\n2015-10-07,7,7,44,11,49,5,25,4,Arthur\n", "line 2: ball 7 appears twice"},
    {Game::Lotto, kLottoHeader + "\nNaN,1,7,44,11,49,5,25,4,Arthur\n",
     "line 2: \"NaN\" is not a date (yyyy-mm-dd or DD/MM/YYYY)"},
    // Broken quoting and headers.
    {Game::Lotto, kLottoHeader + "\n2015-10-07,30,7,44,11,49,5,25,4,\"Arthur\n",
     "line 2: a quoted field is not closed"},
    {Game::Lotto, kLottoHeader + "\n2015-10-07,30,7,44,11,49,5,25,4,\"Art\"hur\n",
     "line 2: text after the closing quote of field 10"},
    {Game::Lotto, "\xEF\xBB\xBF\xEF\xBB\xBF" + kLottoHeader + "\n",
     "line 1: the header must read " + kLottoHeader},
    {Game::Lotto, kLottoHeader + "\n", ""},
    {Game::Lotto, "", "line 1: the header must read " + kLottoHeader},
};

struct WheelCase {
    Game game;
    std::string text;
    bool accepted;  // passes every check of CheckWheel
};

inline const std::vector<WheelCase> kWheelCorpus{
    {Game::Lotto, "1 2 3 4 5 6\n7 8 9 10 11 12\n", true},
    {Game::Lotto, "1 2 3 4 5 6\r\n22 23 24 25 26 28\r\n", true},
    {Game::Thunderball, "1 2 3 4 5\n16 17 18 19 20", true},
    {Game::DailyPlay, "1 2 3 4 5 6 7\n10 11 12 13 14 15 16\n", true},
    {Game::Lotto, "1 2 3 4 5 6\n7 8 9 10 11 12 13\n", false},  // a seventh number
    {Game::Lotto, "1 2 3 4 5 6\n7 8 9 10 11 12,13\n", false},  // a seventh number behind a comma
    {Game::Lotto, "", false},                                  // an empty file
    {Game::Lotto, "1 2  3 4 5 6\n", false},                    // two blanks
    {Game::Lotto, "1 2 3 4 5 29\n", false},                    // above the range
    {Game::Lotto, "1 2 3 4 5 0\n", false},                     // below it
    {Game::Lotto, "1 2 3 4 5 99999999999999999999\n", false},  // beyond every integer
    {Game::Thunderball, "1 2 3 4 x\n", false},                 // not a number
    {Game::DailyPlay, "1 2 3 4 5 6 \n", false},                // a trailing blank
    {Game::Lotto, "1 2 3 4 5 6\n\n", false},                   // an empty line
    {Game::Lotto,
     "\xEF\xBB\xBF"
     "1 2 3 4 5 6\n",
     false},  // a byte-order mark
};

}  // namespace quintara::fuzz
