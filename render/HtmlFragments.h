// The fixed pieces of HTML that every page the shell shows is made of.
#pragma once

#include <string_view>

namespace html {

inline constexpr std::u16string_view kFontStart = u"<FONT STYLE=\"FONT-SIZE: ";
inline constexpr std::u16string_view kFontMiddle = u"px; FONT-FAMILY: Arial\" COLOR=\"";
inline constexpr std::u16string_view kTagEnd = u"\">";
inline constexpr std::u16string_view kFontEnd = u"</FONT>";
inline constexpr std::u16string_view kHeadStart =
    u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
    u"\"http://www.w3.org/TR/html4/loose.dtd\">"
    u"<META HTTP-EQUIV=\"Content-type\" CONTENT=\"text/html; charset=utf-16le\">"
    u"<HEAD><TITLE></TITLE><BASEFONT STYLE=\"FONT-SIZE: ";
inline constexpr std::u16string_view kBaseStart = u"\"><BASE href=\"";
// Its backslash ends the program folder, which is written without one.
inline constexpr std::u16string_view kHeadEnd = u"\\\"></HEAD>";
inline constexpr std::u16string_view kBodyStart = u"<BODY>";
inline constexpr std::u16string_view kBodyEnd = u"</BODY>";
inline constexpr std::u16string_view kBorderedTable =
    u"<table style=\"border-collapse: collapse; border: 1px solid #B1B1B1\" border=1 "
    u"CELLPADDING=5>";
inline constexpr std::u16string_view kPlainTable = u"<TABLE BORDER=0 WIDTH=100%>";
inline constexpr std::u16string_view kTableEnd = u"</TABLE>";
inline constexpr std::u16string_view kTopRow = u"<TR valign=\"top\"><TD>";
inline constexpr std::u16string_view kRow = u"<TR><TD>";
inline constexpr std::u16string_view kNextCell = u"</FONT></TD><TD>";
inline constexpr std::u16string_view kIndent =
    u"</FONT></TD></TR><TR><TD><TABLE><TR><TD WIDTH=\"20\"></TD><TD>";
inline constexpr std::u16string_view kIndentEnd = u"</FONT></TD></TR></TABLE></TD></TR>";
inline constexpr std::u16string_view kRowEnd = u"</FONT></TD></TR>";
inline constexpr std::u16string_view kCaptionSplit = u" / ";

}  // namespace html
