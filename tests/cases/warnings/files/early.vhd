X
Y
Z
