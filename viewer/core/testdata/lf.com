Kopf

zwei
drëi  
