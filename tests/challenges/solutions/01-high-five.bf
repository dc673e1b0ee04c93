High five
Raise the first cell to five and write it out
+++++
.
