' A compile error runs nothing of the text
WScript.Echo "never printed"
If True Then
  WScript.Echo "x"
