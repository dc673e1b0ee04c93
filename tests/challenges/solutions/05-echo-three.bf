Echo three
Read a value and write it back three times over reusing one cell
,.
,.
,.
