# The conversion core's files, relative to the top folder: checked arithmetic, reading numbers
# and writing their texts. The program's build and the fuzz targets' build both read this list.
set(ZERVAL_CONVERSION_CORE kit/checked.cpp kit/checked.h kit/numbersyntax.cpp kit/numbersyntax.h
    kit/textforms.cpp kit/textforms.h kit/entryreading.cpp kit/entryreading.h)
