// A catalogue may hold any text.
const char* title = "ペルノア";
