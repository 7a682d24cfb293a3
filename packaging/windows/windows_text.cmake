# Copies a UTF-8 text file for Windows: `cmake -DINPUT=... -DOUTPUT=... -P windows_text.cmake`.
# Notepad shows the Japanese text right on every Windows when the file starts with the UTF-8
# byte-order mark; its lines end in CR LF.
file(READ ${INPUT} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 byte_order_mark)
file(WRITE ${OUTPUT} "${byte_order_mark}${text}")
