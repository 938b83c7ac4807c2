// A comment may quote "ペルノア".
/* So may "this" one: "五線" */
const char* ascii = "ascii only";
const char* shown = "五線が重なっています";
const char16_t ellipsis = u'…';
const char* raw = R"x(生の"文字列")x";
const char* escaped = "a \" quote, then 日本";
