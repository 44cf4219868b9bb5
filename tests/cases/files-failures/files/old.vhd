an older top file
