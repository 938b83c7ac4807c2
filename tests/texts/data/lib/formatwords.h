// Words of a file format may be in any script.
inline constexpr char kWord[] = "普通";
