// Every numbered text once: the name code uses, its number and its built-in
// English text. Not a header of its own: core/TextIds.h makes the names of
// it and core/StringTableData.cpp the tables, each defining the two macros
// first, so this file has no include guard.
//
// GLOSS_TEXT(set, name, number, English text): set is the program the text
// belongs to, Common (both), Shell or Compiler. The numbers from 40102 to
// 40999 are each program's own and mean different things in the shell and in
// the compiler (40504 is a bar title in one and the settings-file location in
// the other). Each set is sorted by number.
//
// GLOSS_PROMPT(number, English text): a Glossmere command's status-line
// prompt "\n" tooltip, numbered by its command (shell/WindowRules.h).

// Both programs.
GLOSS_TEXT(Common, IDS_CAPTION_ERROR, 40101, u"Error!")
GLOSS_TEXT(Common, IDS_CAPTION_INFORMATION, 40201, u"Information")
GLOSS_TEXT(Common, IDS_CAPTION_WARNING, 40301, u"Warning!")
GLOSS_TEXT(Common, IDS_ALREADY_IN_USE, 40302, u"This program is already in use")
GLOSS_TEXT(Common, IDS_LANGUAGE_RUSSIAN, 41001, u"Russian")
GLOSS_TEXT(Common, IDS_LANGUAGE_ENGLISH, 41002, u"English")
GLOSS_TEXT(Common, IDS_LANGUAGE_SPANISH, 41003, u"Spanish")
GLOSS_TEXT(Common, IDS_LANGUAGE_GERMAN, 41004, u"German")
GLOSS_TEXT(Common, IDS_LIBRARY_PATH, 41005, u"Dynamic library path: '%s'")
GLOSS_TEXT(Common, IDS_MORPH_MODULE_PATH, 41006, u"Morphological module path: '%s'")
GLOSS_TEXT(Common, IDS_MORPH_NOT_AVAILABLE, 41007,
           u"Morphological analysis and lemmatization for this language will "
           u"not be available.")
GLOSS_TEXT(Common, IDS_CATEGORY_MAIN, 41008, u"Main dictionaries")
GLOSS_TEXT(Common, IDS_CATEGORY_REFERENCE, 41009, u"Reference materials")
GLOSS_TEXT(Common, IDS_CATEGORY_PARALLEL, 41010, u"Parallel texts")
GLOSS_TEXT(Common, IDS_DICTIONARIES_NOT_LOADED, 41011,
           u"Dictionaries and parallel texts not loaded")
GLOSS_TEXT(Common, IDS_FILE_DISABLED, 41013, u"File '%s' disabled")
GLOSS_TEXT(Common, IDS_ALL_DICTIONARIES, 41014, u"All dictionaries")
GLOSS_TEXT(Common, IDS_MORPH_LOADED_IN, 41101,
           u"Morphological module for %s language loaded in %.1lf [seconds]")
GLOSS_TEXT(Common, IDS_CAPTION_WARNING_2, 41200, u"Warning!")
GLOSS_TEXT(Common, IDS_LIBRARY_MISSING, 41301,
           u"Dynamic link library is absent or corrupted:\r\n%s")
GLOSS_TEXT(Common, IDS_LIBRARY_LACKS_FUNCTION, 41302,
           u"Dynamic library '%s' does not contain function '%s'")
GLOSS_TEXT(Common, IDS_LANGUAGE_NOT_SUPPORTED, 41303, u"This language is not supported")
GLOSS_TEXT(Common, IDS_MORPH_LOAD_ERROR, 41304,
           u"Error loading morphological module for %s language")
GLOSS_TEXT(Common, IDS_OPEN_FILE_ERROR, 41305, u"Error opening file")
GLOSS_TEXT(Common, IDS_LINE_ERROR, 41306, u"Error in file, line %d")
GLOSS_TEXT(Common, IDS_CAPTION_NOT_CLOSED, 41308, u"Ending caption of articles group not found")
GLOSS_TEXT(Common, IDS_FILE_EMPTY, 41311, u"File is empty")
GLOSS_TEXT(Common, IDS_WRONG_FILE_TYPE, 41312, u"Wrong file type: '%s'")
GLOSS_TEXT(Common, IDS_WRONG_DICT_TYPE, 41313, u"Wrong dictionary type: '%s'")
GLOSS_TEXT(Common, IDS_CAPTION_TWICE, 41314, u"Ambiguous caption of articles group")
GLOSS_TEXT(Common, IDS_CAPTION_TAG_MISSING, 41315, u"Tag '%s' for articles group caption not found")
GLOSS_TEXT(Common, IDS_CAPTION_EXTRA_SYMBOLS, 41316,
           u"Excessive symbols in line of articles group caption")
GLOSS_TEXT(Common, IDS_COMMENT_TWICE, 41317, u"Excessive tag '%s'")
GLOSS_TEXT(Common, IDS_COMMENT_TAG_MISSING, 41318, u"Tag '%s' for comment not found")
GLOSS_TEXT(Common, IDS_NO_INDEX_TWICE, 41319, u"Excessive tag '%s' for 'no-index' text")
GLOSS_TEXT(Common, IDS_NO_INDEX_TAG_MISSING, 41320, u"Tag '%s' for 'no-index' text not found")
GLOSS_TEXT(Common, IDS_PARTS_SEPARATOR_TWICE, 41321,
           u"Excessive separator '%s' for left and right parts of article")
GLOSS_TEXT(Common, IDS_OPEN_TAG, 41322, u"Open tag found")
GLOSS_TEXT(Common, IDS_ESCAPE_ERROR, 41323, u"Error in escape sequence '%s'")
GLOSS_TEXT(Common, IDS_ESCAPE_NOT_A_SYMBOL, 41324,
           u"Value '%s' in escape sequence does not represent a symbol code")
GLOSS_TEXT(Common, IDS_FOLDER_NOT_FOUND, 41325, u"Dictionary folder path not found:\r\n%s")
GLOSS_TEXT(Common, IDS_FILE_PROCESSING_ERROR, 41326, u"Error while processing file '%s'")
GLOSS_TEXT(Common, IDS_AUTOMATON_ERROR, 41327,
           u"Error working with finite state machine of file '%s'")
GLOSS_TEXT(Common, IDS_END_NODE_NOT_FINAL, 41328, u"Node for ending symbol is not final")
GLOSS_TEXT(Common, IDS_SEARCH_ERROR, 41329, u"Error searching text in file '%s'")
GLOSS_TEXT(Common, IDS_GROUP_FILE_CREATE_ERROR, 41330, u"Error creating file for dictionary groups")
GLOSS_TEXT(Common, IDS_GROUP_FILE_WRONG_DATA, 41331, u"Wrong data for dictionary groups file")
GLOSS_TEXT(Common, IDS_UTF8_ERROR, 41333,
           u"Error processing text in UTF-8 character set (possibly the text "
           u"is encoded using other character set or 4-bytes UTF-8)")
GLOSS_TEXT(Common, IDS_KEYWORD_ERROR, 41334, u"Error recording keyword '%s'")
GLOSS_TEXT(Common, IDS_WRONG_INDEX_AREA, 41335, u"Wrong index area record: '%s'")
GLOSS_TEXT(Common, IDS_MORPH_KEYWORD_ERROR, 41336,
           u"Error recording language for morphological analysis '%s'")
GLOSS_TEXT(Common, IDS_WORD_TOO_LONG, 41337, u"The word '%s' is more than 255 characters long")
// Two blanks before "not": the text has always read so.
GLOSS_TEXT(Common, IDS_MAP_NOT_READABLE, 41338,
           u"Mapping file '%s'  not found or could not be read")
GLOSS_TEXT(Common, IDS_MAP_OPEN_ERROR, 41339, u"Error opening mapping file '%s'")
GLOSS_TEXT(Common, IDS_MAP_READ_ERROR, 41340, u"Error reading mapping file '%s'")
GLOSS_TEXT(Common, IDS_MAP_INVALID, 41341, u"Invalid character map")
GLOSS_TEXT(Common, IDS_MAP_ILLEGAL_SYMBOLS, 41342,
           u"The character map contains illegal symbols (please use letters or "
           u"digits)")
GLOSS_TEXT(Common, IDS_KEYWORD_VALUE_TOO_LONG, 41343,
           u"The parameter for keyword ' %s' contains more than %d symbols")
GLOSS_TEXT(Common, IDS_MAPPING_ERROR, 41344,
           u"File mapping error:\r\n%s\r\nPossibly, the file is empty")
GLOSS_TEXT(Common, IDS_VIEW_ERROR, 41345, u"Error mapping file:\r\n%s")
GLOSS_TEXT(Common, IDS_FILE_TOO_LARGE, 41346, u"File is too large (2 GB or more)")
// Separator settings that the parser could not work with.
GLOSS_TEXT(Common, IDS_PARTS_SEPARATOR_LENGTH, 41350,
           u"The article parts separator must be 1 to %d characters long")
GLOSS_TEXT(Common, IDS_ARTICLES_SEPARATOR_LENGTH, 41351,
           u"The articles separator must be 1 to %d characters long")
GLOSS_TEXT(Common, IDS_PARTS_SEPARATOR_START, 41352,
           u"The article parts separator '%s' must not begin with a letter, a "
           u"digit, '&' or '<'")
GLOSS_TEXT(Common, IDS_ARTICLES_SEPARATOR_START, 41353,
           u"The articles separator '%s' must not begin with a letter, a "
           u"digit, '&' or '<'")
GLOSS_TEXT(Common, IDS_MORPH_TOO_MANY, 41354,
           u"The list of languages for morphological analysis holds more than "
           u"%d items")
GLOSS_TEXT(Common, IDS_OPEN_DOCUMENT_FAILED, 61697, u"Failed to open document.")

// Glossmere.
GLOSS_PROMPT(32771, u"Previous page\nPrevious page")
GLOSS_PROMPT(32772, u"Next page\nNext page")
GLOSS_PROMPT(32783, u"Current group\nCurrent group")
GLOSS_PROMPT(32784, u"Search area\nSearch area")
GLOSS_PROMPT(32785, u"Stop search\nStop search")
GLOSS_PROMPT(32786, u"Search text\nSearch text")
GLOSS_PROMPT(32787, u"Search\nSearch")
GLOSS_PROMPT(32788, u"Font size\nFont size")
GLOSS_PROMPT(32793, u"Organize dictionaries\nOrganize dictionaries")
GLOSS_PROMPT(32795, u"Copy dictionary files to 'Dictionaries' folder\nAdd dictionaries")
GLOSS_PROMPT(32796, u"Get dictionary information\nDictionary information")
GLOSS_PROMPT(32799, u"Run dictionary compilation program\nDictionary compilation")
GLOSS_PROMPT(32800, u"Download dictionaries\nDownload dictionaries")
GLOSS_PROMPT(33000, u"Copy selected text\nCopy")
GLOSS_PROMPT(33001, u"Search selected text\nSearch")
GLOSS_TEXT(Shell, IDS_SET_LOCALE_ERROR, 40102, u"Error setting localization parameters")
GLOSS_TEXT(Shell, IDS_SET_LAYOUT_ERROR, 40104, u"Error setting dictionary entry aspect type")
GLOSS_TEXT(Shell, IDS_SET_SORT_ERROR, 40105, u"Error setting additional sort type")
GLOSS_TEXT(Shell, IDS_SET_SEARCH_TIME_ERROR, 40106, u"Error setting search time")
GLOSS_TEXT(Shell, IDS_SHELL_LANGUAGE_PACK_MISSING, 40107,
           u"Dynamic link library is absent or corrupted:\r\n%s")
GLOSS_TEXT(Shell, IDS_SHELL_LANGUAGE_PACK_NAME_MISSING, 40108, u"Dll name not found")
GLOSS_TEXT(Shell, IDS_SET_AREA_ERROR, 40110, u"Error setting searching area")
GLOSS_TEXT(Shell, IDS_SET_FONT_SIZE_ERROR, 40111,
           u"Error setting font size. Font size should be an integer number "
           u"ranging from %d to %d.")
GLOSS_TEXT(Shell, IDS_SET_FIRST_START_ERROR, 40112, u"Error setting first-start flag")
GLOSS_TEXT(Shell, IDS_COMPILER_NOT_FOUND, 40113, u"Dictionary compilation program not found")
GLOSS_TEXT(Shell, IDS_REDUCED_MANAGER_ERROR, 40114,
           u"Failed to set the attribute of the reduced dictionary manager window")
GLOSS_TEXT(Shell, IDS_SEARCH_TIME, 40203, u"Search time: %.4lf [seconds]")
GLOSS_TEXT(Shell, IDS_SEARCH_ABORTED, 40204, u"Text search aborted")
GLOSS_TEXT(Shell, IDS_TEXT_NOT_FOUND, 40205, u"%sText \"%s%s%s\" not found in group \"%s%s%s\"%s")
GLOSS_TEXT(Shell, IDS_ENTER_TEXT, 40206, u"Enter text to search")
GLOSS_TEXT(Shell, IDS_DICTIONARY_INSTALLED, 40211, u"This dictionary is already installed")
GLOSS_TEXT(Shell, IDS_DICTIONARIES_INSTALLED, 40212, u"These dictionaries are already installed")
GLOSS_TEXT(Shell, IDS_PRESS_ADD_DICTIONARIES, 40213,
           u"Press \"Add dictionaries\" button to install dictionaries from "
           u"specified location.")
GLOSS_TEXT(Shell, IDS_SEARCH_IN_PROGRESS, 40304, u"Text search in progress")
GLOSS_TEXT(Shell, IDS_NO_DICTIONARY_FILES, 40305,
           u"Files of dictionaries or parallel texts not found.")
GLOSS_TEXT(Shell, IDS_NO_ENABLED_DICTIONARIES, 40306,
           u"There are no enabled dictionaries in group '%s'.")
GLOSS_TEXT(Shell, IDS_SEARCH_NOT_AVAILABLE, 40307, u"Search function not available")
GLOSS_TEXT(Shell, IDS_ENTER_GROUP_NAME, 40308, u"Enter group name")
GLOSS_TEXT(Shell, IDS_GROUP_NAME_TAKEN, 40309, u"Group with this name already exist")
GLOSS_TEXT(Shell, IDS_FIRST_GROUP_NOT_DELETABLE, 40310,
           u"The deleting of the first group of dictionaries is not allowed")
GLOSS_TEXT(Shell, IDS_SHELL_HELP_NOT_FOUND, 40311, u"Help Topics in English not found")
GLOSS_TEXT(Shell, IDS_INFO_FILE_NOT_FOUND, 40315, u"Dictionary information file not found")
GLOSS_TEXT(Shell, IDS_CANNOT_DELETE_FILE, 40316,
           u"The file\n'%s'\ncannot be deleted.\nSharing violation error or "
           u"permission denied.")
GLOSS_TEXT(Shell, IDS_SYSTEM_DICTIONARY_NOT_DELETABLE, 40317,
           u"The dictionary '%s' is installed for every user and cannot be "
           u"deleted here.")
GLOSS_TEXT(Shell, IDS_ASK_STOP_SEARCH, 40402, u"Stop text search?")
GLOSS_TEXT(Shell, IDS_ASK_DELETE_GROUP, 40403, u"Delete group '%s'?")
GLOSS_TEXT(Shell, IDS_ASK_DELETE_DICTIONARY, 40404, u"Delete dictionary '%s'?")
GLOSS_TEXT(Shell, IDS_DICTIONARY_LIST_TITLE, 40504, u"List of dictionaries")
GLOSS_TEXT(Shell, IDS_SHELL_INI_LOCATION, 40510, u"INI file; section '%s'; key = '%s'")
GLOSS_TEXT(Shell, IDS_PAGE_HEADER, 40511,
           u"<CENTER>%s<B>%s</B></FONT><BR> Page <B>%s</B> of <B>%s</B>, "
           u"articles <B>%s</B> - <B>%s</B> of <B>%s</B></CENTER><BR>")
GLOSS_TEXT(Shell, IDS_START_PAGE, 40512,
           u"<center><font style=\"font-size: 40px; color: "
           u"#EAEAEA\"><br><br><br><b>Glossmere 2.03</b></font></center>")
GLOSS_TEXT(Shell, IDS_SEARCHING_PAGE, 40513,
           u"<center><font style=\"font-size: 40px; color: "
           u"#EAEAEA\"><br><br><br><b>Searching\u2026</b></font></center>")
GLOSS_TEXT(Shell, IDS_AREA_EVERYWHERE, 40514, u"Everywhere")
GLOSS_TEXT(Shell, IDS_AREA_LEFT, 40515, u"Left")
GLOSS_TEXT(Shell, IDS_AREA_RIGHT, 40516, u"Right")
GLOSS_TEXT(Shell, IDS_MOVE_TO_TOP, 40523, u"Move dictionary to top")
GLOSS_TEXT(Shell, IDS_MOVE_UP, 40524, u"Move dictionary 1 position up")
GLOSS_TEXT(Shell, IDS_MOVE_DOWN, 40525, u"Move dictionary 1 position down")
GLOSS_TEXT(Shell, IDS_MOVE_TO_BOTTOM, 40526, u"Move dictionary to bottom")
GLOSS_TEXT(Shell, IDS_ABOUT_CREDITS, 40527,
           u"Morphological analysis and lemmatization are provided by the Radixo "
           u"library, which builds on Hunspell dictionaries and WordNet data; each is "
           u"distributed under its own licence, included with the program. The user "
           u"interface is built with the Qt toolkit (LGPL version 3).")
GLOSS_TEXT(Shell, IDS_ABOUT_COPYRIGHT, 40528,
           u"This program and the dictionaries supplied with it are protected "
           u"by copyright law. Unauthorised copying or distribution of them, "
           u"or of any part of them, is prohibited.")
GLOSS_TEXT(Shell, IDS_DICTIONARY_FILE_FILTER, 40531, u"Dictionary files (*.gmd)|*.gmd|")
GLOSS_TEXT(Shell, IDS_SELECT_DICTIONARY_FILES, 40533, u"Select dictionary files")
GLOSS_TEXT(Shell, IDS_DICTIONARY_CORRUPTED, 40535,
           u"The dictionary is corrupted: read error or obsolete file format")
GLOSS_TEXT(Shell, IDS_ENABLE_DICTIONARY, 40536, u"Enable dictionary")
GLOSS_TEXT(Shell, IDS_ENABLE_ALL, 40537, u"Enable all dictionaries")
GLOSS_TEXT(Shell, IDS_DISABLE_DICTIONARY, 40538, u"Disable dictionary")
GLOSS_TEXT(Shell, IDS_DISABLE_ALL, 40539, u"Disable all dictionaries")
GLOSS_TEXT(Shell, IDS_ALL_ENABLED, 40540, u"All dictionaries in this group are enabled.")
GLOSS_TEXT(Shell, IDS_CREATE_GROUP_HINT, 40541,
           u"Please create a new group if you would like to use only some of "
           u"the dictionaries.")
GLOSS_TEXT(Shell, IDS_ENABLED_DICTIONARIES, 40542, u"Enabled dictionaries")
GLOSS_TEXT(Shell, IDS_DISABLED_DICTIONARIES, 40543, u"Disabled dictionaries")
GLOSS_TEXT(Shell, IDS_DELETE_DICTIONARY_FILES, 40544, u"Delete dictionary files")

// Glossmill.
GLOSS_TEXT(Compiler, IDS_MILL_LANGUAGE_PACK_MISSING, 40103,
           u"Dynamic link library is absent or corrupted:\r\n%s")
GLOSS_TEXT(Compiler, IDS_MILL_LANGUAGE_PACK_NAME_MISSING, 40104, u"Dll name not found")
GLOSS_TEXT(Compiler, IDS_SOURCE_NAME_MISSING, 40105, u"Source file name not found")
GLOSS_TEXT(Compiler, IDS_SEPARATOR_TYPE_RANGE, 40106,
           u"The type of articles separator must be an integer value from %d to %d")
GLOSS_TEXT(Compiler, IDS_ARTICLES_SEPARATOR_ERROR, 40107, u"Articles separator error")
GLOSS_TEXT(Compiler, IDS_PARTS_SEPARATOR_ERROR, 40108, u"Article parts separator error")
GLOSS_TEXT(Compiler, IDS_INDEXING_ABORTED, 40303, u"Indexing abort")
GLOSS_TEXT(Compiler, IDS_COMPILE_IN_PROGRESS, 40304, u"Dictionary compilation in progress")
GLOSS_TEXT(Compiler, IDS_MILL_HELP_NOT_FOUND, 40305, u"Help Topics in English not found")
GLOSS_TEXT(Compiler, IDS_ASK_STOP_COMPILE, 40404, u"Stop compilation?")
GLOSS_TEXT(Compiler, IDS_CHOOSE_FOLDER, 40501, u"Choose folder")
GLOSS_TEXT(Compiler, IDS_MILL_INI_LOCATION, 40504, u"INI file; section '%s'; key = '%s'")
GLOSS_TEXT(Compiler, IDS_SOURCE_FILE_FILTER, 40507,
           u"Dictionary source files (*.txt; *.dic; *.gms)|*.txt; *.dic; "
           u"*.gms|All Files (*.*)|*.*||")
GLOSS_TEXT(Compiler, IDS_COMPILE_BUTTON, 40508, u"Compile")
GLOSS_TEXT(Compiler, IDS_ABORT_BUTTON, 40509, u"Abort")
GLOSS_TEXT(Compiler, IDS_HELP_TOPICS, 40511, u"Help Topics")
GLOSS_TEXT(Compiler, IDS_ALL_FILES_FILTER, 40512, u"All Files (*.*)|*.*||")
