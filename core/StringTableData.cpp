// The built-in English texts, by number. Each table is sorted by id: looked up
// by binary search.
//
// The numbers from 40102 to 40999 are each program's own and mean different
// things in the shell and in the compiler (40504 is a bar title in one and the
// settings-file location in the other), so they live in two tables. Everything
// else, including the message-box captions, is common to both programs.
#include "StringTable.h"

namespace {

constexpr StringTableEntry kCommonTexts[] = {
    {40101, u"Error!"},
    {40201, u"Information"},
    {40301, u"Warning!"},
    {40302, u"This program is already in use"},
    {41001, u"Russian"},
    {41002, u"English"},
    {41003, u"Spanish"},
    {41004, u"German"},
    {41005, u"Dynamic library path: '%s'"},
    {41006, u"Morphological module path: '%s'"},
    {41007, u"Morphological analysis and lemmatization for this language will not be available."},
    {41008, u"Main dictionaries"},
    {41009, u"Reference materials"},
    {41010, u"Parallel texts"},
    {41011, u"Dictionaries and parallel texts not loaded"},
    {41013, u"File '%s' disabled"},
    {41014, u"All dictionaries"},
    {41101, u"Morphological module for %s language loaded in %.1lf [seconds]"},
    {41200, u"Warning!"},
    {41301, u"Dynamic link library is absent or corrupted:\r\n%s"},
    {41302, u"Dynamic library '%s' does not contain function '%s'"},
    {41303, u"This language is not supported"},
    {41304, u"Error loading morphological module for %s language"},
    {41305, u"Error opening file"},
    {41306, u"Error in file, line %d"},
    {41308, u"Ending caption of articles group not found"},
    {41311, u"File is empty"},
    {41312, u"Wrong file type: '%s'"},
    {41313, u"Wrong dictionary type: '%s'"},
    {41314, u"Ambiguous caption of articles group"},
    {41315, u"Tag '%s' for articles group caption not found"},
    {41316, u"Excessive symbols in line of articles group caption"},
    {41317, u"Excessive tag '%s'"},
    {41318, u"Tag '%s' for comment not found"},
    {41319, u"Excessive tag '%s' for 'no-index' text"},
    {41320, u"Tag '%s' for 'no-index' text not found"},
    {41321, u"Excessive separator '%s' for left and right parts of article"},
    {41322, u"Open tag found"},
    {41323, u"Error in escape sequence '%s'"},
    {41324, u"Value '%s' in escape sequence does not represent a symbol code"},
    {41325, u"Dictionary folder path not found:\r\n%s"},
    {41326, u"Error while processing file '%s'"},
    {41327, u"Error working with finite state machine of file '%s'"},
    {41328, u"Node for ending symbol is not final"},
    {41329, u"Error searching text in file '%s'"},
    {41330, u"Error creating file for dictionary groups"},
    {41331, u"Wrong data for dictionary groups file"},
    {41333,
     u"Error processing text in UTF-8 character set (possibly the text is encoded using other "
     u"character set or 4-bytes UTF-8)"},
    {41334, u"Error recording keyword '%s'"},
    {41335, u"Wrong index area record: '%s'"},
    {41336, u"Error recording language for morphological analysis '%s'"},
    {41337, u"The word '%s' is more than 255 characters long"},
    // Two blanks before "not": the text has always read so.
    {41338, u"Mapping file '%s'  not found or could not be read"},
    {41339, u"Error opening mapping file '%s'"},
    {41340, u"Error reading mapping file '%s'"},
    {41341, u"Invalid character map"},
    {41342, u"The character map contains illegal symbols (please use letters or digits)"},
    {41343, u"The parameter for keyword ' %s' contains more than %d symbols"},
    {41344, u"File mapping error:\r\n%s\r\nPossibly, the file is empty"},
    {41345, u"Error mapping file:\r\n%s"},
    {41346, u"File is too large (2 GB or more)"},
    // Separator settings that the parser could not work with.
    {41350, u"The article parts separator must be 1 to %d characters long"},
    {41351, u"The articles separator must be 1 to %d characters long"},
    {41352, u"The article parts separator '%s' must not begin with a letter, a digit, '&' or '<'"},
    {41353, u"The articles separator '%s' must not begin with a letter, a digit, '&' or '<'"},
    {41354, u"The list of languages for morphological analysis holds more than %d items"},
    {61697, u"Failed to open document."},
};

// Glossmere. The 327xx-330xx texts are status-line prompt "\n" tooltip.
constexpr StringTableEntry kShellTexts[] = {
    {32771, u"Previous page\nPrevious page"},
    {32772, u"Next page\nNext page"},
    {32783, u"Current group\nCurrent group"},
    {32784, u"Search area\nSearch area"},
    {32785, u"Stop search\nStop search"},
    {32786, u"Search text\nSearch text"},
    {32787, u"Search\nSearch"},
    {32788, u"Font size\nFont size"},
    {32793, u"Organize dictionaries\nOrganize dictionaries"},
    {32795, u"Copy dictionary files to 'Dictionaries' folder\nAdd dictionaries"},
    {32796, u"Get dictionary information\nDictionary information"},
    {32799, u"Run dictionary compilation program\nDictionary compilation"},
    {32800, u"Download dictionaries\nDownload dictionaries"},
    {33000, u"Copy selected text\nCopy"},
    {33001, u"Search selected text\nSearch"},
    {40102, u"Error setting localization parameters"},
    {40104, u"Error setting dictionary entry aspect type"},
    {40105, u"Error setting additional sort type"},
    {40106, u"Error setting search time"},
    {40107, u"Dynamic link library is absent or corrupted:\r\n%s"},
    {40108, u"Dll name not found"},
    {40110, u"Error setting searching area"},
    {40111,
     u"Error setting font size. Font size should be an integer number ranging from %d to %d."},
    {40112, u"Error setting first-start flag"},
    {40113, u"Dictionary compilation program not found"},
    {40114, u"Failed to set the attribute of the reduced dictionary manager window"},
    {40203, u"Search time: %.4lf [seconds]"},
    {40204, u"Text search aborted"},
    {40205, u"%sText \"%s%s%s\" not found in group \"%s%s%s\"%s"},
    {40206, u"Enter text to search"},
    {40211, u"This dictionary is already installed"},
    {40212, u"These dictionaries are already installed"},
    {40213, u"Press \"Add dictionaries\" button to install dictionaries from specified location."},
    {40304, u"Text search in progress"},
    {40305, u"Files of dictionaries or parallel texts not found."},
    {40306, u"There are no enabled dictionaries in group '%s'."},
    {40307, u"Search function not available"},
    {40308, u"Enter group name"},
    {40309, u"Group with this name already exist"},
    {40310, u"The deleting of the first group of dictionaries is not allowed"},
    {40311, u"Help Topics in English not found"},
    {40315, u"Dictionary information file not found"},
    {40316, u"The file\n'%s'\ncannot be deleted.\nSharing violation error or permission denied."},
    {40317, u"The dictionary '%s' is installed for every user and cannot be deleted here."},
    {40402, u"Stop text search?"},
    {40403, u"Delete group '%s'?"},
    {40404, u"Delete dictionary '%s'?"},
    {40504, u"List of dictionaries"},
    {40510, u"INI file; section '%s'; key = '%s'"},
    {40511,
     u"<CENTER>%s<B>%s</B></FONT><BR> Page <B>%s</B> of <B>%s</B>, articles <B>%s</B> - "
     u"<B>%s</B> of <B>%s</B></CENTER><BR>"},
    {40512,
     u"<center><font style=\"font-size: 40px; color: #EAEAEA\"><br><br><br><b>Glossmere "
     u"2.03</b></font></center>"},
    {40513,
     u"<center><font style=\"font-size: 40px; color: #EAEAEA\"><br><br><br><b>Searching\u2026</b>"
     u"</font></center>"},
    {40514, u"Everywhere"},
    {40515, u"Left"},
    {40516, u"Right"},
    {40523, u"Move dictionary to top"},
    {40524, u"Move dictionary 1 position up"},
    {40525, u"Move dictionary 1 position down"},
    {40526, u"Move dictionary to bottom"},
    {40527,
     u"Morphological analysis and lemmatization are provided by the Radixo library, which "
     u"builds on Hunspell dictionaries and WordNet data; each is distributed under its own "
     u"licence, included with the program. The user interface is built with the Qt toolkit "
     u"(LGPL version 3)."},
    {40528,
     u"This program and the dictionaries supplied with it are protected by copyright law. "
     u"Unauthorised copying or distribution of them, or of any part of them, is prohibited."},
    {40531, u"Dictionary files (*.gmd)|*.gmd|"},
    {40533, u"Select dictionary files"},
    {40535, u"The dictionary is corrupted: read error or obsolete file format"},
    {40536, u"Enable dictionary"},
    {40537, u"Enable all dictionaries"},
    {40538, u"Disable dictionary"},
    {40539, u"Disable all dictionaries"},
    {40540, u"All dictionaries in this group are enabled."},
    {40541, u"Please create a new group if you would like to use only some of the dictionaries."},
    {40542, u"Enabled dictionaries"},
    {40543, u"Disabled dictionaries"},
    {40544, u"Delete dictionary files"},
};

// Glossmill.
constexpr StringTableEntry kCompilerTexts[] = {
    {40103, u"Dynamic link library is absent or corrupted:\r\n%s"},
    {40104, u"Dll name not found"},
    {40105, u"Source file name not found"},
    {40106, u"The type of articles separator must be an integer value from %d to %d"},
    {40107, u"Articles separator error"},
    {40108, u"Article parts separator error"},
    {40303, u"Indexing abort"},
    {40304, u"Dictionary compilation in progress"},
    {40305, u"Help Topics in English not found"},
    {40404, u"Stop compilation?"},
    {40501, u"Choose folder"},
    {40504, u"INI file; section '%s'; key = '%s'"},
    {40507,
     u"Dictionary source files (*.txt; *.dic; *.gms)|*.txt; *.dic; *.gms|All Files (*.*)|*.*||"},
    {40508, u"Compile"},
    {40509, u"Abort"},
    {40511, u"Help Topics"},
    {40512, u"All Files (*.*)|*.*||"},
};

}  // namespace

std::span<const StringTableEntry> BuiltInStringTable() {
    return kCommonTexts;
}

std::span<const StringTableEntry> BuiltInProgramTable(TextSet set) {
    if (set == TextSet::Compiler) return kCompilerTexts;
    return kShellTexts;
}
