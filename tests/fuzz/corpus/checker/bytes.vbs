Dim résumé, naïve ' café au lait
RÉSUMÉ = "« quoted »"
path = "C:\{braces}\dir"
	dim tabbed	' a tab before and after
x = {not a delimiter}
y\z = 1
rem is no comment here
' é = 1 and if then
if a<>b then c=d
n = """quoted"" text"&len(n)
