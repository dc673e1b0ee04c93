Echo
Read one value into the first cell and write it straight back
,
.
