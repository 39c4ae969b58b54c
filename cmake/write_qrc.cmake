# Writes pictures.qrc listing every PNG in DIR under the prefix /pictures.
file(GLOB pictures RELATIVE ${DIR} ${DIR}/*.png)
list(SORT pictures)
set(body "<RCC>\n  <qresource prefix=\"/pictures\">\n")
foreach(picture IN LISTS pictures)
    string(APPEND body "    <file>${picture}</file>\n")
endforeach()
string(APPEND body "  </qresource>\n</RCC>\n")
file(WRITE ${DIR}/pictures.qrc "${body}")
