Eraser
The tape has one single cell so everything happens in it
Read x and write it back
,.
Count the cell down to zero and write the zero
[-]
.
